// The check messages and captions that several pages share. Each page's own texts stand
// beside the page.
#pragma once

namespace qorix::msg {

inline constexpr const char* kErrorCaption = "Figyelmeztetés rossz paraméterezésről";
inline constexpr const char* kWarningCaption = "Figyelmeztetés";

inline constexpr const char* kDepthZero = "Marás mélyége \"0\", vagy nem adtál meg értéket.";
inline constexpr const char* kDepthPositive =
    "Marási mélységnek pozitív számot adtál meg. A program tovább megy, mert az adat nem rossz, "
    "csak nem logikus.";
inline constexpr const char* kToolDiameterZero =
    "Szerszám átmérője \"0\", vagy nem adtál meg értéket.";
inline constexpr const char* kStepLimitZero =
    "Lépésenkénti maximális fogási mélység \"0\", vagy nem adtál meg értéket.";
inline constexpr const char* kToolNumberZero = "Szerszám száma \"0\", vagy nem adtál meg értéket.";
inline constexpr const char* kSpindleZero = "Főorsó fordulat \"0\", vagy nem adtál meg értéket.";
inline constexpr const char* kG1Empty = "G1 előtolási értékét nem adtad meg.";
inline constexpr const char* kG23Empty = "G2 és G3 előtolási értékét nem adtad meg.";
// Values that are never sound below zero: a negative tool diameter puts the path on the wrong
// side of the contour, a negative safe offset sends the rapid moves below the start height,
// and a negative feed, spindle speed or tool number is no word the machine can obey.
inline constexpr const char* kSafeOffsetNegative =
    "A biztonsági Z nem lehet negatív: a gyorsmenetek a kezdő Z alá vinnék a szerszámot.";
inline constexpr const char* kToolDiameterNegative = "A szerszám átmérője nem lehet negatív.";
inline constexpr const char* kToolNumberNegative = "A szerszám száma nem lehet negatív.";
inline constexpr const char* kSpindleNegative = "A főorsó fordulata nem lehet negatív.";
inline constexpr const char* kFeedNegative = "Az előtolás nem lehet negatív.";
// The circle of the cut circle, bolt circle and thread repair pages.
inline constexpr const char* kCircleZero = "A kör átmérője \"0\", vagy nem adtál meg értéket.";
inline constexpr const char* kCircleBelowTool = "A kör átmérője kisebb mint a szerszám átmérője.";
inline constexpr const char* kSeriesWarning =
    "Sorozatmarás esetén a kezdeti beállításokat valamint a végén szokásos M kódokat nem "
    "tartalmazza.";
// One hundred steps of the step limit must reach beyond the depth.
inline constexpr const char* kStepLimitTooSmall =
    "A lépésenkénti maximális fogási mélység túl kicsi a marás mélységéhez: legfeljebb 100 "
    "mélységi ciklus lehet. Adj meg nagyobb lépésenkénti fogási mélységet.";

// A program line would hold a number the machine cannot read; the line follows the text.
inline constexpr const char* kNotFiniteNumber =
    "A megadott értékekből olyan szám adódna, amelyet a gép nem tud beolvasni (túl nagy, vagy "
    "nem szám), ezért a program nem készült el. A hibás sor: ";

}  // namespace qorix::msg
