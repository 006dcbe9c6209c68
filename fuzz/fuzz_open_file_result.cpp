// The file-open dialog's result parser on any bytes, and the builder's
// results read back.
//
// Parsing: the form follows from the byte after the first NUL; the pieces
// are the input's own bytes, none empty and none holding a NUL; nothing is
// read past the end (libFuzzer hands over a buffer of exactly the input's
// size). Building then parsing: the directory and names a dialog can give
// come back unchanged.

#include "OpenFileResult.h"

#include "FuzzCheck.h"
#include "TextOracle.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

bool IsSeparator(char ch)
{
    return ch == '\\' || ch == '/';
}

bool HasSeparatorCharacter(std::string_view text)
{
    for (std::size_t start : oracle::CharacterStarts(text)) {
        if (IsSeparator(text[start]))
            return true;
    }
    return false;
}

void CheckSeveral(std::string_view result, const PickedFiles& picked)
{
    const std::size_t nul = result.find('\0');
    FUZZ_REQUIRE(nul != std::string_view::npos && nul + 1 < result.size() && result[nul + 1] != '\0',
                 "several files without a byte after the first NUL");
    FUZZ_REQUIRE(picked.directory.Bytes() == result.substr(0, nul), "the directory is not the first piece");
    FUZZ_REQUIRE(!picked.names.empty(), "several files and no name");
    // The pieces, put back together, are the input up to its end or its
    // empty piece.
    std::string joined = picked.directory.Bytes();
    for (const CString& name : picked.names) {
        FUZZ_REQUIRE(!name.IsEmpty(), "an empty name among several files");
        FUZZ_REQUIRE(name.Bytes().find('\0') == std::string::npos, "a name holds a NUL");
        joined += '\0';
        joined += name.Bytes();
    }
    FUZZ_REQUIRE(result.starts_with(joined), "the names are not the input's pieces in order");
    const std::string_view after = result.substr(joined.size());
    FUZZ_REQUIRE(after.empty() || after == std::string_view("\0", 1) || after.starts_with(std::string_view("\0\0", 2)),
                 "the names stop before the result's end or its empty piece");
}

void CheckOne(std::string_view result, const PickedFiles& picked)
{
    const std::string_view path = result.substr(0, result.find('\0'));
    FUZZ_REQUIRE(picked.names.size() == 1, "one file and not one name");
    const std::string& directory = picked.directory.Bytes();
    const std::string& name = picked.names.front().Bytes();
    FUZZ_REQUIRE(path.ends_with(name), "the name is not the end of the path");
    FUZZ_REQUIRE(!HasSeparatorCharacter(name), "the name holds a separator");
    FUZZ_REQUIRE(path.starts_with(directory), "the directory is not the start of the path");
    if (directory.empty()) {
        FUZZ_REQUIRE(name == path, "no directory, yet the name is not the whole path");
        return;
    }
    // The separator between them is dropped, except the root's own.
    const std::size_t gap = path.size() - directory.size() - name.size();
    FUZZ_REQUIRE(gap == 1 || (gap == 0 && directory.size() == 1 && IsSeparator(directory[0])),
                 "the directory and the name do not meet at one separator");
}

// Whether a dialog could hand these over: a directory that is not empty and
// not cut inside a character (FromUtf8 never ends so), bare names.
bool CanComeFromDialog(const CString& directory, const std::vector<CString>& names)
{
    if (directory.IsEmpty() || oracle::EndsWithLoneLeadByte(directory.Bytes()))
        return false;
    if (directory.Bytes().find('\0') != std::string::npos)
        return false;
    for (const CString& name : names) {
        if (name.IsEmpty() || name.Bytes().find('\0') != std::string::npos || HasSeparatorCharacter(name.Bytes()))
            return false;
    }
    return !names.empty();
}

void CheckBuildThenParse(const CString& directory, const std::vector<CString>& names)
{
    if (!CanComeFromDialog(directory, names))
        return;
    const PickedFiles back = ParseOpenFileResult(BuildOpenFileResult(directory, names));
    FUZZ_REQUIRE(back.names == names, "the names do not come back from a built result");
    if (names.size() > 1) {
        FUZZ_REQUIRE(back.form == PickedForm::SeveralFiles, "several names come back as one file");
        FUZZ_REQUIRE(back.directory == directory, "the directory does not come back from a built result");
        return;
    }
    FUZZ_REQUIRE(back.form == PickedForm::OneFile, "one name comes back as several files");
    // A directory given with its final separator comes back without it,
    // except the root.
    const std::string& d = directory.Bytes();
    const bool dropsSeparator = d.size() > 1 && oracle::EndsWithSeparatorCharacter(d);
    const std::string expected = dropsSeparator ? d.substr(0, d.size() - 1) : d;
    FUZZ_REQUIRE(back.directory.Bytes() == expected, "the directory of one file does not come back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view result(reinterpret_cast<const char*>(data), size);
    const PickedFiles picked = ParseOpenFileResult(result);
    if (picked.form == PickedForm::SeveralFiles)
        CheckSeveral(result, picked);
    else
        CheckOne(result, picked);

    CheckBuildThenParse(picked.directory, picked.names);
    // The same names as one directory's single pick.
    if (!picked.names.empty())
        CheckBuildThenParse(picked.directory, {picked.names.back()});
    return 0;
}
