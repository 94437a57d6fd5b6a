// "Kör kivágás (cut circle)": cuts a circle out along its outline. The tool centre runs on
// a circle of radius (D - d) / 2 so that the finished hole has the diameter D.
#pragma once

#include "wizards/common/page.h"

namespace qorix {

class CutCirclePage : public CommonPage {
public:
    explicit CutCirclePage(Services& services);

    void ReadParameters() override;
    void PrepareValues() override;
    void WriteHeaderComments() override;
    void GenerateProgram() override;

    ui::Edit Edit_r_;
    ui::Image Image1;

    PageFacts pageFacts() const override;

    long double diameter = 0;  // D
    long double radius = 0;    // path radius R
};

}  // namespace qorix
