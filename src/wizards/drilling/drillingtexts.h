// The common controls' texts on a drilling page: depth and feed as a drill takes them. Only
// the start point's captions differ between the drilling pages.
#pragma once

#include <string>

#include "wizards/common/commoncontrols.h"
#include "wizards/common/numbertext.h"

namespace qorix {

inline CommonControlTexts drillingTexts(const NumberText& num, std::string xCaption,
                                        std::string yCaption) {
    CommonControlTexts t;
    t.xCaption = std::move(xCaption);
    t.yCaption = std::move(yCaption);
    t.zeroDefault = num.local("0,0000");
    t.depthCaption = "Fúrás mélysége:";
    t.depthDefault = "-10";
    t.stepDefault = "2";
    t.g1Caption = "G1  feed:";
    t.g1Default = "100";
    return t;
}

}  // namespace qorix
