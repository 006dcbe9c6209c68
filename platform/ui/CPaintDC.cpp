#include "CPaintDC.h"

#include "CWnd.h"
#include "IconImages.h"

#include <QPainter>
#include <QWidget>

CPaintDC::CPaintDC(CWnd* window) : m_window(window)
{
    if (window && window->Widget())
        m_painter = std::make_unique<QPainter>(window->Widget());
}

CPaintDC::~CPaintDC() = default;

WPARAM CPaintDC::GetSafeHdc() const
{
    return reinterpret_cast<WPARAM>(m_painter.get());
}

void CPaintDC::DrawIcon(int x, int y, HICON icon)
{
    if (!m_painter || !icon)
        return;
    m_painter->drawPixmap(x, y, IconOf(icon).pixmap(GetSystemMetrics(SM_CXICON)));
}
