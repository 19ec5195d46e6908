// CWnd: a window with a text, in a tree of parent and child windows. Only the
// window texts and the walk over child windows exist; nothing is drawn.
// A window does not own its children: destroying a window detaches it from
// its parent and detaches its children (which become top-level windows).
#pragma once

#include "CObject.h"
#include "CString.h"

constexpr UINT GW_HWNDFIRST = 0;
constexpr UINT GW_HWNDLAST = 1;
constexpr UINT GW_HWNDNEXT = 2;
constexpr UINT GW_HWNDPREV = 3;
constexpr UINT GW_OWNER = 4;
constexpr UINT GW_CHILD = 5;

class CWnd : public CObject {
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd() = default;
    // A child window, appended after the parent's existing children.
    explicit CWnd(CWnd* parent, const wchar_t* text = L"");
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    void SetWindowText(const wchar_t* text);
    void GetWindowText(CString& text) const;
    // Copies at most maxCount - 1 characters and a zero; returns the count.
    int GetWindowText(wchar_t* buffer, int maxCount) const;
    int GetWindowTextLength() const;

    CWnd* GetParent() const { return m_pParent; }
    // Moves the window to the end of the new parent's children (nullptr:
    // top level); returns the previous parent.
    CWnd* SetParent(CWnd* parent);

    // The first child window, or nullptr.
    CWnd* GetTopWindow() const { return m_pFirstChild; }
    // Navigation with GW_* codes: the first or last sibling, the next or
    // previous sibling, or the first child; nullptr where there is none.
    // GW_OWNER has no meaning here and gives nullptr.
    CWnd* GetWindow(UINT cmd) const;

private:
    void Detach();
    void AttachTo(CWnd* parent);

    CString m_strText;
    CWnd* m_pParent = nullptr;
    CWnd* m_pFirstChild = nullptr;
    CWnd* m_pLastChild = nullptr;
    CWnd* m_pNext = nullptr;
    CWnd* m_pPrev = nullptr;
};
