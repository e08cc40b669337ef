#pragma once

#include <QString>

namespace session {

// The folder that holds the program's content (Data/), made absolute once
// at start-up. Every picture and sound the program opens is named here, so
// that nothing depends on the working folder.
class ContentRoot {
 public:
  ContentRoot() = default;
  explicit ContentRoot(const QString& folder);

  // The folder holding Data/.
  const QString& Folder() const { return folder_; }
  // <folder>/Data/<name>, for a name such as "Intf/Spec/mT_m0_s.xji".
  QString Path(const QString& name) const;

 private:
  QString folder_;
};

}  // namespace session
