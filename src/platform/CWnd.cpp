// The window tree: children kept as a doubly linked list in creation order.
#include "CWnd.h"

#include <cwchar>

IMPLEMENT_DYNAMIC(CWnd, CObject)

CWnd::CWnd(CWnd* parent, const wchar_t* text) : m_strText(text) {
    AttachTo(parent);
}

CWnd::~CWnd() {
    Detach();
    while (m_pFirstChild != nullptr)
        m_pFirstChild->Detach();
}

void CWnd::SetWindowText(const wchar_t* text) {
    m_strText = text;
}

void CWnd::GetWindowText(CString& text) const {
    text = m_strText;
}

int CWnd::GetWindowText(wchar_t* buffer, int maxCount) const {
    if (buffer == nullptr || maxCount <= 0)
        return 0;
    int length = m_strText.GetLength();
    if (length > maxCount - 1)
        length = maxCount - 1;
    std::wmemcpy(buffer, m_strText.GetString(), static_cast<size_t>(length));
    buffer[length] = L'\0';
    return length;
}

int CWnd::GetWindowTextLength() const {
    return m_strText.GetLength();
}

CWnd* CWnd::SetParent(CWnd* parent) {
    CWnd* previous = m_pParent;
    // A window cannot become a child of itself or of one of its descendants.
    for (CWnd* ancestor = parent; ancestor != nullptr; ancestor = ancestor->m_pParent) {
        if (ancestor == this)
            return nullptr;
    }
    Detach();
    AttachTo(parent);
    return previous;
}

CWnd* CWnd::GetWindow(UINT cmd) const {
    switch (cmd) {
    case GW_HWNDFIRST:
        return m_pParent ? m_pParent->m_pFirstChild : const_cast<CWnd*>(this);
    case GW_HWNDLAST:
        return m_pParent ? m_pParent->m_pLastChild : const_cast<CWnd*>(this);
    case GW_HWNDNEXT:
        return m_pNext;
    case GW_HWNDPREV:
        return m_pPrev;
    case GW_CHILD:
        return m_pFirstChild;
    default:
        return nullptr;
    }
}

void CWnd::AttachTo(CWnd* parent) {
    if (parent == nullptr)
        return;
    m_pParent = parent;
    m_pPrev = parent->m_pLastChild;
    if (m_pPrev != nullptr)
        m_pPrev->m_pNext = this;
    else
        parent->m_pFirstChild = this;
    parent->m_pLastChild = this;
}

void CWnd::Detach() {
    if (m_pParent == nullptr)
        return;
    if (m_pPrev != nullptr)
        m_pPrev->m_pNext = m_pNext;
    else
        m_pParent->m_pFirstChild = m_pNext;
    if (m_pNext != nullptr)
        m_pNext->m_pPrev = m_pPrev;
    else
        m_pParent->m_pLastChild = m_pPrev;
    m_pParent = m_pNext = m_pPrev = nullptr;
}
