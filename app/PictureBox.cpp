#include "app/PictureBox.h"

#include "app/ScreenLook.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>

namespace {
// Far more than any picture a box of these sizes could use; anything that
// declares itself larger is not decoded at all. A progressive JPEG is decoded
// whole before it is scaled down, so this also bounds what decoding takes
// (some 24 MB at most, where 8000 x 8000 pixels took 190 MB).
constexpr qint64 largestDeclaredPixels = 2048LL * 2048;
} // namespace

PictureBox::PictureBox(QWidget* window, const TwipsRect& rect, const QString& description)
    : QLabel(window)
{
    ScreenLook::place(this, rect);
    setScaledContents(true);
    setAccessibleName(description);
}

bool PictureBox::loadPicture(const QString& filePath)
{
    clear();
    if (!QFileInfo(filePath).isFile())
        return false;

    QImageReader reader(filePath);
    const QSize declared = reader.size();
    if (declared.isValid() && qint64(declared.width()) * declared.height() > largestDeclaredPixels)
        return false;
    // Decoding straight to the box's size keeps memory bounded whatever the file holds;
    // the size is the display's own pixels, so that a scaled desktop shows the picture sharp.
    const qreal ratio = devicePixelRatioF();
    if (declared.isValid() && !size().isEmpty())
        reader.setScaledSize(size() * ratio);
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    QPixmap picture = QPixmap::fromImage(image);
    picture.setDevicePixelRatio(ratio);
    setPixmap(picture);
    return true;
}

bool PictureBox::hasPicture() const
{
    return !pixmap().isNull();
}
