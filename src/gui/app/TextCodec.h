// The core's Windows-1252 strings at the edge to Qt.
#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "platform/Text.h"

namespace korvex {

inline QString ToQString(const std::string& text) { return QString::fromStdString(Cp1252ToUtf8(text)); }
inline std::string FromQString(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

inline QStringList ToQStringList(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& text : texts) list << ToQString(text);
    return list;
}

}  // namespace korvex
