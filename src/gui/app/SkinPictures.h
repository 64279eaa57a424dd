#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// The pictures of the program's skin, drawn at run time at the screen's device pixel ratio.
//
// Module buttons: "bitmap_daten", "bitmap_meta", "bitmap_su_auto", "bitmap_su_manu",
// "bitmap_status", each with "_ak" for the highlighted variant, followed by "_EN", "_DE" or
// "_FR"; kModuleButtonSize each. Their captions are the texts of the active language.
// Frames of the button column ("bmp_pnbuttons_pictopleft" ... "bmp_pnbuttons_picbottom"),
// of the client area ("bmp_gpn_main_pictopright", ..._picbottomright, ..._picright,
// ..._pictop, ..._picbottom) and of the info window ("bmp_info_pictopleft" ...): squares of
// kFrameEdge. The info window's close button "bmp_info_close" / "bmp_info_close_ak":
// kCloseButtonSize. Any other name gives a null picture.
namespace SkinPictures {
inline constexpr QSize kModuleButtonSize {130, 104};
inline constexpr int kFrameEdge = 6;
inline constexpr QSize kCloseButtonSize {24, 24};
inline constexpr QSize kBulbSize {48, 48}; // "bmp_tip_bulb", the tip of the day

// By the panel's picture index 0..7.
inline constexpr const char* kInfoFrame[8] = {
    "bmp_info_pictopleft", "bmp_info_pictopright", "bmp_info_picbottomleft",
    "bmp_info_picbottomright", "bmp_info_picleft", "bmp_info_picright", "bmp_info_pictop",
    "bmp_info_picbottom"};

// The logical size of a named picture; an empty size for an unknown name.
QSize pictureSize(const QString& resourceName);
} // namespace SkinPictures

QPixmap SkinPicture(const QString& resourceName);
// The same at a given device pixel ratio.
QPixmap SkinPicture(const QString& resourceName, qreal devicePixelRatio);
