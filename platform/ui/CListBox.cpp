#include "CListBox.h"

#include "ListBoxView.h"

FileList* CListBox::Model() const
{
    auto* view = qobject_cast<ListBoxView*>(m_widget);
    return view ? &view->List() : nullptr;
}

void CListBox::ResetContent()
{
    if (FileList* list = Model())
        list->ResetContent();
}

void CListBox::AddString(const CString& text)
{
    if (FileList* list = Model())
        list->AddString(text);
}

int CListBox::InsertString(int index, const CString& text)
{
    FileList* list = Model();
    return list ? list->InsertString(index, text) : LB_ERR;
}

int CListBox::DeleteString(int index)
{
    FileList* list = Model();
    return list ? list->DeleteString(index) : LB_ERR;
}

int CListBox::GetCount() const
{
    FileList* list = Model();
    return list ? list->GetCount() : LB_ERR;
}

void CListBox::GetText(int index, CString& text) const
{
    FileList* list = Model();
    text = list ? list->GetText(index) : CString();
}

int CListBox::GetCurSel() const
{
    FileList* list = Model();
    return list ? list->GetCurSel() : LB_ERR;
}

int CListBox::SetCurSel(int index)
{
    FileList* list = Model();
    return list ? list->SetCurSel(index) : LB_ERR;
}

int CListBox::FindString(int start, const CString& text) const
{
    FileList* list = Model();
    return list ? list->FindString(start, text) : LB_ERR;
}
