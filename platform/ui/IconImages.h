#pragma once
// Icons from the resources as Qt images.

#include "Win32Types.h"

#include <QIcon>
#include <QPixmap>

QPixmap IconPixmap(int iconId, int size);
QIcon IconOf(HICON icon);
