#include "app/PictureBox.h"

#include "app/JpegOutline.h"
#include "app/RegularFile.h"
#include "app/ScreenLook.h"

#include <QBuffer>
#include <QImageReader>
#include <QPixmap>

#include <optional>
#include <system_error>

PictureBox::PictureBox(QWidget* window, const TwipsRect& rect, const QString& description)
    : QLabel(window)
{
    ScreenLook::place(this, rect);
    setScaledContents(true);
    setAccessibleName(description);
}

void PictureBox::boundToolkitDecoding()
{
    // The largest picture that is decoded at all, at four bytes a pixel.
    QImageReader::setAllocationLimit(static_cast<int>(JpegOutline::largestPixels * 4 / (1024 * 1024)));
}

namespace {
// The picture of the file, decoded straight to the given size, which keeps
// memory bounded whatever the file holds; a null image where there is none.
// Touches no widget, so it may run on any thread.
QImage readPicture(const QString& filePath, const QSize& size)
{
    std::optional<QByteArray> bytes = RegularFile::readWhole(filePath, JpegOutline::largestFileBytes);
    if (!bytes)
        return {};
    const JpegOutline outline = JpegOutline::of(
        {reinterpret_cast<const std::uint8_t*>(bytes->constData()), static_cast<std::size_t>(bytes->size())});
    if (!outline.decodingIsBounded())
        return {};

    // The pictures are JPEG files: whatever else stands under their names is
    // not handed to another decoder.
    QBuffer buffer(&*bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    if (!size.isEmpty())
        reader.setScaledSize(size);
    return reader.read();
}
} // namespace

bool PictureBox::loadPicture(const QString& filePath)
{
    m_loading = {};
    // The display's own pixels, so that a scaled desktop shows the picture sharp.
    return showImage(readPicture(filePath, size() * devicePixelRatioF()));
}

void PictureBox::startLoading(const QString& filePath)
{
    const QSize pixels = size() * devicePixelRatioF();
    try {
        m_loading = std::async(std::launch::async, readPicture, filePath, pixels);
    } catch (const std::system_error&) {
        // No thread to be had: the picture is read when it is to be shown.
        m_loading = std::async(std::launch::deferred, readPicture, filePath, pixels);
    }
}

bool PictureBox::showLoadedPicture()
{
    if (!m_loading.valid())
        return showImage({});
    return showImage(m_loading.get());
}

bool PictureBox::showImage(const QImage& image)
{
    clear();
    if (image.isNull())
        return false;
    QPixmap picture = QPixmap::fromImage(image);
    picture.setDevicePixelRatio(devicePixelRatioF());
    setPixmap(picture);
    return true;
}

bool PictureBox::hasPicture() const
{
    return !pixmap().isNull();
}
