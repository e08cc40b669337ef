#include "session/contentroot.h"

#include <QDir>

namespace session {

ContentRoot::ContentRoot(const QString& folder) : folder_(QDir(folder).absolutePath()) {}

QString ContentRoot::Path(const QString& name) const { return folder_ + QStringLiteral("/Data/") + name; }

}  // namespace session
