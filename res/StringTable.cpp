#include "ResourceTables.h"

#include "CString.h"
#include "resource.h"

namespace {

// No entry for 57344: a lookup of it must fail, so none is added.
constexpr StringResource kStrings[] = {
    {IDS_ABOUTBOX, u8"ﾊﾞｰｼﾞｮﾝ情報(Sorabun) (&A)..."},
    {IDS_VERSION, u8"Version 1.20"},
};

}  // namespace

constinit const std::span<const StringResource> g_stringTable{kStrings};

bool CString::LoadString(unsigned id)
{
    const char8_t* text = FindStringResource(id);
    if (text == nullptr) {
        Empty();
        return false;
    }
    *this = CString(text);
    return true;
}
