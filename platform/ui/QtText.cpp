#include "QtText.h"

#include "Cp932.h"

QString ToQString(const CString& text)
{
    const std::string utf8 = cp932::ToUtf8(text.Bytes());
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString ToQString(const char8_t* utf8)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(utf8));
}

CString FromQString(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return CString::FromBytes(cp932::FromUtf8(std::string_view(utf8.constData(), utf8.size())));
}
