#pragma once
// Rules for the directory text typed into the main window.

#include "CString.h"

// Removes one pair of enclosing double quotes: "\"photos\"" -> "photos";
// "\"" and "\"\"" -> ""; a quote at one end only stays.
void RemoveEnclosingQuotes(CString& directory);

// The directory followed by a separator unless its last character already is
// one ("\" or "/"), found character by character so a trail byte 0x5C (as in
// "ソ") is no separator; "" -> "\".
CString SearchBase(const CString& directory);

// The full path of a bare name: directory, one "\", name, nothing normalised.
CString JoinPath(const CString& directory, const CString& name);
