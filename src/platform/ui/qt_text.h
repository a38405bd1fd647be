#pragma once
// The widget boundary: Windows-1252 bytes in, QString out, and back.
#include <QString>
#include <string>

namespace orvex {

QString ToQString(const std::string& cp1252);
std::string FromQString(const QString& text);
// For texts already in UTF-8 (messages composed in the sources).
inline QString Utf8ToQString(const std::string& utf8) { return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())); }

}  // namespace orvex
