// "Körzseb (circular pocket)": mills a round pocket around a centre point. The tool enters at
// the centre and clears the disc with a spiral of half-circle arcs that widens by one lateral
// step per turn, then goes once round the wall. An older page: its controls carry numbered
// names, which it maps into the common input set once.
#pragma once

#include "wizards/common/page.h"

namespace qorix {

class CircularPocketPage : public WizardPage {
public:
    explicit CircularPocketPage(Services& services);

    void ReadParameters() override;
    void PrepareValues() override;
    void WriteHeaderComments() override;
    void GenerateProgram() override;

    bool seriesFlag() const override { return rec.series != 0; }
    bool errorFlag() const override { return rec.error != 0; }
    PageFacts pageFacts() const override;

    void Button2Click() { Memo1.clear(); }
    void CheckBox1Click() { applyNoTool(inputs_); }
    void CheckBox2Click() { applyNoStepLimit(inputs_); }
    void RadioGroup6Click() { applySeriesChoice(inputs_, Memo1, services().dialogs); }
    // Rewrites the "%" and "mm" labels; the main window calls it when it shows the page.
    void ScrollBar1Change();

    const CommonInputs& inputs() const { return inputs_; }

    ui::Edit Edit1, Edit2, Edit11, Edit12;  // centre X, centre Y, start Z, safe offset
    ui::Edit Edit7;                         // depth
    ui::Edit Edit4;                         // pocket diameter D
    ui::ScrollBar ScrollBar1;               // lateral step, percent of the tool diameter
    ui::Label Label4, Label5;
    ui::Edit Edit3;  // tool diameter d
    ui::RadioGroup RadioGroup2;
    ui::Edit Edit9;  // step limit
    ui::CheckBox CheckBox2;
    ui::Edit Edit13, Edit14;  // tool number, spindle speed
    ui::CheckBox CheckBox1;
    ui::RadioGroup RadioGroup3, RadioGroup4, RadioGroup5, RadioGroup6;
    ui::Edit Edit5, Edit6;  // feeds
    ui::CheckBox CheckBox5;
    ui::Button Button2;
    ui::Image Image1;

    CommonRecord rec;
    long double pocketDiameter = 0;  // D
    std::int32_t stepPercent = 0;
    long double ringStep = 0;  // s
    std::int32_t ringCount = 0;
    long double remainder = 0;  // w

private:
    int shownStep_ = 50;  // the step the labels show
    bool revertingStep_ = false;
    // One depth level's spiral: the rings, the remainder ring and the closing arc. Returns
    // the plus-side X where the level ends (on the wall).
    long double writeSpiral(ProgramText& t) const;

    CommonInputs inputs_;
};

}  // namespace qorix
