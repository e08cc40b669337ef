#pragma once

// The program from its first step to its exit code: single instance, splash,
// screen mode, working folder, configuration, the program-wide objects and
// screens, the event loop and shutdown. Needs the application object.
// Returns 0 after a normal end and for a second copy, non-zero after a fatal
// error.
int RunMiniFonikra();

// Makes the seven screens in their order (main menu, Memory, labelling,
// about box, summary, message dialog, closing screen), each into its global;
// raises CBlad(1) when artwork is missing, leaving the screens made so far.
void CreateScreens();
// Destroys whatever screens exist, in the reverse order, and clears their
// globals; safe to call at any point.
void DestroyScreens();

// The title the single-instance message and the bordered windows carry.
inline constexpr const char16_t* kProgramTitle = u"Mini Fonikra Cz.I";
