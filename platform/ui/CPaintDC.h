#pragma once
// A paint context for a window, valid while the window handles its paint message.

#include "Win32Types.h"

#include <memory>

class CWnd;
class QPainter;

class CPaintDC {
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    WPARAM GetSafeHdc() const;
    void DrawIcon(int x, int y, HICON icon);

private:
    CWnd* m_window;
    std::unique_ptr<QPainter> m_painter;
};
