#pragma once

#include <QLabel>

struct TwipsRect;

// A picture box that stretches its picture to fill the box. The picture is
// read from a file beside the program at every load of its screen; a file that
// is missing or is no readable picture leaves the box empty.
class PictureBox : public QLabel {
    Q_OBJECT

public:
    PictureBox(QWidget* window, const TwipsRect& rect, const QString& description);

    // Reads the picture file; returns whether a picture is now shown.
    bool loadPicture(const QString& filePath);

    bool hasPicture() const;
};
