#pragma once

// Held in an int member (m_extMode), so other values can occur; they mean
// "no extension".
enum ExtensionMode : int {
    EXT_NONE = 0,
    EXT_UNIFY = 1,
    EXT_KEEP = 2,
};
