#pragma once
// CP932 texts at the Qt edge.

#include "CString.h"

#include <QString>

QString ToQString(const CString& text);
QString ToQString(const char8_t* utf8);
CString FromQString(const QString& text);
