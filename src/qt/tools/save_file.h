#pragma once
// Saving a file from the tools: the whole new text or nothing. The text goes to a temporary
// file beside the old one, which it replaces only once all of it is on the disk: a failed
// save leaves the old file as it was.
#include <QByteArray>
#include <QString>
#include <optional>

namespace kestrova {

// Why the file could not be saved, naming it ("无法保存 /x/y.csv：<cause>"); nothing when saved.
std::optional<QString> SaveFile(const QString& path, const QByteArray& contents);

}  // namespace kestrova
