#pragma once
// The widget boundary: Windows-1252 bytes in, QString out, and back; and the
// one way labels are made.
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <string>

namespace orvex {

QString ToQString(const std::string& cp1252);
std::string FromQString(const QString& text);
// For texts already in UTF-8 (messages composed in the sources).
inline QString Utf8ToQString(const std::string& utf8) { return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())); }

// Every label of the program is made here, in plain text: labels show what
// came over the radio, from data files or from the user, and a label left to
// guess would render "<img src=/dev/zero>" as HTML and read the file.
QLabel* NewLabel(QWidget* parent, const QString& text = {});

// A named push button that Return in a field does not press: in these
// dialogs Return belongs to the field being typed in.
QPushButton* NewButton(QWidget* parent, const QString& caption, const char* objectName);

}  // namespace orvex
