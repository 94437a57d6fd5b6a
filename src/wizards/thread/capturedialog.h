// What the thread repair page asks of the capture dialog ("Bemérés"). The dialog lives with
// the store it reads from; the page only opens it and later reads the accepted flag.
#pragma once

namespace qorix {

class CaptureDialog {
public:
    // Shown, "Adatok rendben" off, the box empty.
    virtual void showForCapture() = 0;

protected:
    ~CaptureDialog() = default;
};

}  // namespace qorix
