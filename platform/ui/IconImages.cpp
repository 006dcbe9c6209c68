#include "IconImages.h"

#include "ResourceTypes.h"

static QPixmap ImageOf(const IconTemplate* icon, int size)
{
    if (!icon)
        return {};
    const IconImage* best = nullptr;
    for (const IconImage& image : icon->images) {
        if (!best || image.size == size)
            best = &image;
    }
    if (!best)
        return {};
    return QPixmap(best->xpm);
}

QPixmap IconPixmap(int iconId, int size)
{
    return ImageOf(FindIconTemplate(iconId), size);
}

QIcon IconOf(HICON icon)
{
    QIcon result;
    if (!icon)
        return result;
    for (const IconImage& image : icon->images)
        result.addPixmap(QPixmap(image.xpm));
    return result;
}
