#include "NewName.h"

#include "ExtensionMode.h"

namespace {

CString ExtensionPart(const NewNameInputs& in)
{
    switch (in.extMode) {
    case EXT_NONE:
        return CString();
    case EXT_UNIFY:
        if (in.extension.IsEmpty())
            return CString();
        return CString(".") + in.extension;
    case EXT_KEEP: {
        // A dot at the very end keeps a lone "."; a leading dot (".profile")
        // counts as the extension's.
        int dot = in.oldName.ReverseFind('.');
        if (dot < 0)
            return CString();
        return CString(".") + in.oldName.Mid(dot + 1);
    }
    }
    return CString();  // an extMode outside the enumeration appends nothing
}

}  // namespace

CString ComposeNewName(const NewNameInputs& in)
{
    CString name;
    if (in.numbering)
        name.Format("%02d ", in.sequence);  // a minimum width, never a cut: 100 -> "100 "
    name += in.typedName;
    name += ExtensionPart(in);
    return name;
}
