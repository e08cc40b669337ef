#include "icons.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QSvgRenderer>

#include "asseterror.h"

namespace {

QByteArray ReadFile(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) {
    throw AssetError(QStringLiteral("cannot read %1 (scripts/install-deps fetches the icon set)").arg(path));
  }
  return f.readAll();
}

QJsonObject ParseObject(const QByteArray& text, const QString& sourceName) {
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(text, &error);
  if (!doc.isObject()) throw AssetError(sourceName + QStringLiteral(": not a JSON object (%1)").arg(error.errorString()));
  return doc.object();
}

}  // namespace

IconSet IconSet::Parse(const QByteArray& iconsJson, const QString& sourceName) {
  const QJsonObject root = ParseObject(iconsJson, sourceName);
  IconSet set;
  set.source_ = sourceName;
  const int defaultWidth = root.value(QStringLiteral("width")).toInt(16);
  const int defaultHeight = root.value(QStringLiteral("height")).toInt(16);
  const QJsonObject icons = root.value(QStringLiteral("icons")).toObject();
  if (icons.isEmpty()) throw AssetError(sourceName + QStringLiteral(": no icons"));
  for (auto it = icons.begin(); it != icons.end(); ++it) {
    const QJsonObject o = it.value().toObject();
    Icon icon;
    icon.body = o.value(QStringLiteral("body")).toString();
    icon.width = o.value(QStringLiteral("width")).toInt(defaultWidth);
    icon.height = o.value(QStringLiteral("height")).toInt(defaultHeight);
    if (icon.body.isEmpty() || icon.width <= 0 || icon.height <= 0) {
      throw AssetError(sourceName + QStringLiteral(": icon \"%1\" has no body or no size").arg(it.key()));
    }
    set.icons_.insert(it.key(), icon);
  }
  const QJsonObject aliases = root.value(QStringLiteral("aliases")).toObject();
  for (auto it = aliases.begin(); it != aliases.end(); ++it) {
    set.aliases_.insert(it.key(), it.value().toObject().value(QStringLiteral("parent")).toString());
  }
  return set;
}

IconSet IconSet::Read(const QString& folder) {
  const QString iconsPath = folder + QStringLiteral("/icons.json");
  IconSet set = Parse(ReadFile(iconsPath), iconsPath);
  const QString infoPath = folder + QStringLiteral("/info.json");
  const QJsonObject info = ParseObject(ReadFile(infoPath), infoPath);
  const QJsonObject licence = info.value(QStringLiteral("license")).toObject();
  if (licence.value(QStringLiteral("spdx")).toString() != QStringLiteral("MIT")) {
    throw AssetError(infoPath + QStringLiteral(": the icon set's licence is no longer MIT; check the shipped notice"));
  }
  set.author_ = info.value(QStringLiteral("author")).toObject().value(QStringLiteral("name")).toString();
  set.licenceUrl_ = licence.value(QStringLiteral("url")).toString();
  return set;
}

QString IconSet::Resolve(const QString& name) const {
  // Aliases may chain; a loop or a dangling parent resolves to nothing.
  QString current = name;
  for (int depth = 0; depth < 8; ++depth) {
    if (icons_.contains(current)) return current;
    if (!aliases_.contains(current)) return {};
    current = aliases_.value(current);
  }
  return {};
}

bool IconSet::Has(const QString& name) const { return !Resolve(name).isEmpty(); }

QByteArray IconSet::Svg(const QString& name) const {
  const QString resolved = Resolve(name);
  if (resolved.isEmpty()) throw AssetError(source_ + QStringLiteral(": no icon \"%1\"").arg(name));
  const Icon& icon = icons_[resolved];
  return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 %1 %2\">%3</svg>")
      .arg(icon.width)
      .arg(icon.height)
      .arg(icon.body)
      .toUtf8();
}

void IconSet::CheckWords(const QList<WordEntry>& words) const {
  QStringList unknown;
  for (const WordEntry& w : words) {
    if (!Has(w.icon)) unknown << QStringLiteral("%1 (%2)").arg(w.key, w.icon);
  }
  if (!unknown.isEmpty()) {
    throw AssetError(source_ + QStringLiteral(": unknown icon for ") + unknown.join(QStringLiteral(", ")));
  }
}

WordPainter IconPainter(const IconSet& icons) {
  return [&icons](QPainter& p, const QRectF& box, const WordEntry& word) {
    QSvgRenderer renderer(icons.Svg(word.icon));
    if (!renderer.isValid()) throw AssetError(QStringLiteral("icon \"%1\" of \"%2\" is not valid SVG").arg(word.icon, word.key));
    const QSizeF view = renderer.viewBoxF().size();
    const qreal scale = qMin(box.width() / view.width(), box.height() / view.height());
    const QSizeF size = view * scale;
    const QRectF target(box.center().x() - size.width() / 2, box.center().y() - size.height() / 2, size.width(),
                        size.height());
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&p, target);
    p.restore();
  };
}
