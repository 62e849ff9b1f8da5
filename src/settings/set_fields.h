// The keys of a settings-set section, in the order they are read and written.
// The visitor gets one call per key with the key name and the field, and
// for a numeric key with a range the range; `Set` is SettingsSet or const
// SettingsSet.
#pragma once

#include "settings/setting_ranges.h"
#include "settings/settings_model.h"

namespace tavrik {

template <typename Set, typename Visitor>
void VisitSetFields(Set& set, Visitor& visit) {
    visit.Letter("Mode", set.Mode);
    visit.Int("RoundM", set.RoundM);
    visit.Int("RoundD", set.RoundD, kRoundDigitsRange);
    visit.Text("Disp", set.Disp);
    visit.Int("Pitch", set.Pitch, kPitchRange);
    visit.Bool("TBA", set.TBA);
    visit.StatusBar("SBA", set.SBA);
    visit.Colour("Color", set.Color_);
    visit.Bool("PTrans", set.PTrans);
    visit.Bool("Trans", set.Trans);
    visit.Int("AlphaA", set.AlphaA, kAlphaRange);
    visit.Int("AlphaD", set.AlphaD, kAlphaRange);
    visit.Int("GXPos", set.GXPos, kGuideBarPositionRange);
    visit.Int("GXWidth", set.GXWidth, kGuideBarWidthRange);
    visit.Colour("GXColor", set.GXColor);
    visit.Int("GYPos", set.GYPos, kGuideBarPositionRange);
    visit.Int("GYWidth", set.GYWidth, kGuideBarWidthRange);
    visit.Colour("GYColor", set.GYColor);
    visit.Int("GLXPitch", set.GLXPitch);
    visit.Int("GLYPitch", set.GLYPitch);
    visit.Int("GLWidth", set.GLWidth);
    visit.Pen("GLStyle", set.GLStyle);
    visit.Colour("GLColor", set.GLColor);

    visit.Colour("ColorD", set.ColorD);
    visit.Text("FontNameD", set.FontNameD);
    visit.Int("FontSizeD", set.FontSizeD, kDisplayFontSizeRange);
    visit.Bool("FontBoldD", set.FontBoldD);
    visit.Colour("FontColorD", set.FontColorD);
    visit.Colour("BackColorD", set.BackColorD);
    visit.Int("DigitsD", set.DigitsD, kDigitsRange);

    visit.Colour("ColorB", set.ColorB);
    visit.Text("FontNameB", set.FontNameB);
    visit.Int("FontSizeB", set.FontSizeB, kPanelFontSizeRange);
    visit.Bool("FontBoldB", set.FontBoldB);
    visit.Colour("FontColorB", set.FontColorB);
    visit.Int("DigitsB", set.DigitsB, kDigitsRange);
    visit.Int("PitchB", set.PitchB, kKeyGapRange);
    visit.Bounds("BoundsB", set.BoundsB, kKeyBoundRange);

    visit.Colour("ColorM", set.ColorM);
    visit.Text("FontNameM", set.FontNameM);
    visit.Int("FontSizeM", set.FontSizeM, kPanelFontSizeRange);
    visit.Bool("FontBoldM", set.FontBoldM);
    visit.Colour("FontColorM", set.FontColorM);
    visit.Colour("BackColorM", set.BackColorM);
    visit.Int("DigitsM", set.DigitsM, kDigitsRange);

    visit.Colour("ColorH", set.ColorH);
    visit.Text("FontNameH", set.FontNameH);
    visit.Int("FontSizeH", set.FontSizeH, kPanelFontSizeRange);
    visit.Bool("FontBoldH", set.FontBoldH);
    visit.Colour("FontColorH", set.FontColorH);
    visit.Colour("BackColorH", set.BackColorH);
    visit.Int("DigitsH", set.DigitsH, kDigitsRange);
    visit.Int("LineH", set.LineH, kPanelLinesRange);
    visit.Int("MaxLineH", set.MaxLineH, kHistoryLimitRange);
    visit.Int("LNoTypeH", set.LNoTypeH);

    visit.Colour("ColorS", set.ColorS);
    visit.Text("FontNameS", set.FontNameS);
    visit.Int("FontSizeS", set.FontSizeS, kPanelFontSizeRange);
    visit.Bool("FontBoldS", set.FontBoldS);
    visit.Colour("FontColorS", set.FontColorS);
    visit.Bool("MoveS", set.MoveS);

    visit.Colour("ColorF", set.ColorF);
    visit.Text("FontNameF", set.FontNameF);
    visit.Int("FontSizeF", set.FontSizeF, kPanelFontSizeRange);
    visit.Bool("FontBoldF", set.FontBoldF);
    visit.Colour("FontColorF", set.FontColorF);
    visit.Colour("BackColorF", set.BackColorF);
    visit.Int("DigitsF", set.DigitsF, kDigitsRange);
    visit.Int("LineF", set.LineF, kPanelLinesRange);
    visit.Int("ScBarF", set.ScBarF);
    visit.Bool("FRBtnF", set.FRBtnF);
    visit.Bool("DblClickF", set.DblClickF);
    visit.Bool("FPlusF", set.FPlusF);

    // Keys added later: absent means the default, and the default is not
    // written, so that a file without them saves as it was.
    visit.OptionalInt("Zoom", set.Zoom, kDefaultZoom, kZoomRange);
    visit.OptionalBool("ZoomFit", set.ZoomFit, false);
    visit.OptionalBool("ManOku", set.ManOku, false);
    visit.OptionalBool("AutoF", set.AutoF, false);
    visit.OptionalBool("TimeColon", set.TimeColon, false);
    visit.OptionalBool("ResultH", set.ResultH, false);
}

}  // namespace tavrik
