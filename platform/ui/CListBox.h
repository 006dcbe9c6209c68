#pragma once
// The list box control, over the file-list model it shows.

#include "CWnd.h"

class FileList;

class CListBox : public CWnd {
public:
    static constexpr int LB_ERR = -1;

    void ResetContent();
    void AddString(const CString& text);
    int InsertString(int index, const CString& text);
    int DeleteString(int index);
    int GetCount() const;
    void GetText(int index, CString& text) const;
    int GetCurSel() const;
    int SetCurSel(int index);
    int FindString(int start, const CString& text) const;

    // The model behind the control; nullptr before the first data exchange.
    FileList* Model() const;
};
