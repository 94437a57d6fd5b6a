// What the rectangle pocket and the cut rectangle share: the two sizes, the corner radius
// display, their reading and checking, and the first lines of the comment header.
#pragma once

#include <string>

#include "wizards/common/page.h"

namespace qorix {

struct RectanglePageTexts {
    CommonPageTexts common;
    std::string picture;    // the page's picture file
    std::string shape;      // "téglalapzseb" or "négyzetzseb" in the size messages
    std::string g1Caption;  // the feeds' captions differ between the two pages
    std::string g23Caption;
    // An empty or zero tool diameter is written back as "0" and stored as 0, so that the
    // corner radius check reports it too.
    bool zeroEmptyTool = false;
};

class RectanglePage : public CommonPage {
public:
    RectanglePage(std::string name, std::string title, Services& services,
                  const RectanglePageTexts& texts);

    void ReadParameters() override;
    PageFacts pageFacts() const override;

    ui::Edit Edit_xd_, Edit_yd_;
    ui::Edit Edit_rc_;  // corner radius: half the tool diameter, shown, never typed in
    ui::Button Button3;
    ui::Image Image1;

    long double sizeX = 0;  // A
    long double sizeY = 0;  // B
    long double cornerRadius = 0;

protected:
    // Title, empty line, start point, sizes, depth and the pass lines.
    void writeHeaderStart(ProgramText& t, const std::string& title);

private:
    void readSize(const ui::Edit& edit, const std::string& axis, long double& size,
                  const FieldReader& read);
    void readCornerRadius(const FieldReader& read);

    std::string shape_;
    bool zeroEmptyTool_;
};

}  // namespace qorix
