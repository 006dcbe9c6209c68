#include "AttributeFilter.h"

bool IsExcludedAttribute(std::uint32_t attributes)
{
    // Equality, not bit tests: a read-only directory (0x11) or an archived
    // one (0x30) is listed, and so is a hidden archive file (0x22).
    switch (attributes) {
    case FILE_ATTRIBUTE_READONLY:
    case FILE_ATTRIBUTE_HIDDEN:
    case FILE_ATTRIBUTE_SYSTEM:
    case FILE_ATTRIBUTE_DIRECTORY:
    case FILE_ATTRIBUTE_TEMPORARY:
        return true;
    }
    return false;
}
