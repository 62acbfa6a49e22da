#pragma once

#include <QImage>
#include <QLabel>

#include <future>

struct TwipsRect;

// A picture box that stretches its picture to fill the box. The picture is
// read from a JPEG file beside the program at every load of its screen; a file
// that is missing, is no readable JPEG, or would take more than a moment or a
// few megabytes to decode leaves the box empty.
class PictureBox : public QLabel {
    Q_OBJECT

public:
    PictureBox(QWidget* window, const TwipsRect& rect, const QString& description);

    // Reads the picture file; returns whether a picture is now shown.
    bool loadPicture(const QString& filePath);

    // The same in two halves, so that a screen builds its other controls
    // while the picture is read and decoded on a thread of its own: the first
    // starts the reading, the second waits for it and shows the picture.
    void startLoading(const QString& filePath);
    bool showLoadedPicture();

    bool hasPicture() const;

    // Lowers the toolkit's limit on any one decoded image to what these boxes need.
    static void boundToolkitDecoding();

private:
    bool showImage(const QImage& image);

    std::future<QImage> m_loading;
};
