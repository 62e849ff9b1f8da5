// The keys of a settings-set section, in the order they are read and written.
// The visitor gets one call per key with the key name and the field; `Set` is
// SettingsSet or const SettingsSet.
#pragma once

#include "settings/settings_model.h"

namespace tavrik {

template <typename Set, typename Visitor>
void VisitSetFields(Set& set, Visitor& visit) {
    visit.Letter("Mode", set.Mode);
    visit.Int("RoundM", set.RoundM);
    visit.Int("RoundD", set.RoundD);
    visit.Text("Disp", set.Disp);
    visit.Int("Pitch", set.Pitch);
    visit.Bool("TBA", set.TBA);
    visit.StatusBar("SBA", set.SBA);
    visit.Colour("Color", set.Color_);
    visit.Bool("PTrans", set.PTrans);
    visit.Bool("Trans", set.Trans);
    visit.Int("AlphaA", set.AlphaA);
    visit.Int("AlphaD", set.AlphaD);
    visit.Int("GXPos", set.GXPos);
    visit.Int("GXWidth", set.GXWidth);
    visit.Colour("GXColor", set.GXColor);
    visit.Int("GYPos", set.GYPos);
    visit.Int("GYWidth", set.GYWidth);
    visit.Colour("GYColor", set.GYColor);
    visit.Int("GLXPitch", set.GLXPitch);
    visit.Int("GLYPitch", set.GLYPitch);
    visit.Int("GLWidth", set.GLWidth);
    visit.Pen("GLStyle", set.GLStyle);
    visit.Colour("GLColor", set.GLColor);

    visit.Colour("ColorD", set.ColorD);
    visit.Text("FontNameD", set.FontNameD);
    visit.Int("FontSizeD", set.FontSizeD);
    visit.Bool("FontBoldD", set.FontBoldD);
    visit.Colour("FontColorD", set.FontColorD);
    visit.Colour("BackColorD", set.BackColorD);
    visit.Int("DigitsD", set.DigitsD);

    visit.Colour("ColorB", set.ColorB);
    visit.Text("FontNameB", set.FontNameB);
    visit.Int("FontSizeB", set.FontSizeB);
    visit.Bool("FontBoldB", set.FontBoldB);
    visit.Colour("FontColorB", set.FontColorB);
    visit.Int("DigitsB", set.DigitsB);
    visit.Int("PitchB", set.PitchB);
    visit.Bounds("BoundsB", set.BoundsB);

    visit.Colour("ColorM", set.ColorM);
    visit.Text("FontNameM", set.FontNameM);
    visit.Int("FontSizeM", set.FontSizeM);
    visit.Bool("FontBoldM", set.FontBoldM);
    visit.Colour("FontColorM", set.FontColorM);
    visit.Colour("BackColorM", set.BackColorM);
    visit.Int("DigitsM", set.DigitsM);

    visit.Colour("ColorH", set.ColorH);
    visit.Text("FontNameH", set.FontNameH);
    visit.Int("FontSizeH", set.FontSizeH);
    visit.Bool("FontBoldH", set.FontBoldH);
    visit.Colour("FontColorH", set.FontColorH);
    visit.Colour("BackColorH", set.BackColorH);
    visit.Int("DigitsH", set.DigitsH);
    visit.Int("LineH", set.LineH);
    visit.Int("MaxLineH", set.MaxLineH);
    visit.Int("LNoTypeH", set.LNoTypeH);

    visit.Colour("ColorS", set.ColorS);
    visit.Text("FontNameS", set.FontNameS);
    visit.Int("FontSizeS", set.FontSizeS);
    visit.Bool("FontBoldS", set.FontBoldS);
    visit.Colour("FontColorS", set.FontColorS);
    visit.Bool("MoveS", set.MoveS);

    visit.Colour("ColorF", set.ColorF);
    visit.Text("FontNameF", set.FontNameF);
    visit.Int("FontSizeF", set.FontSizeF);
    visit.Bool("FontBoldF", set.FontBoldF);
    visit.Colour("FontColorF", set.FontColorF);
    visit.Colour("BackColorF", set.BackColorF);
    visit.Int("DigitsF", set.DigitsF);
    visit.Int("LineF", set.LineF);
    visit.Int("ScBarF", set.ScBarF);
    visit.Bool("FRBtnF", set.FRBtnF);
    visit.Bool("DblClickF", set.DblClickF);
    visit.Bool("FPlusF", set.FPlusF);

    // Keys added later: absent means the default, and the default is not
    // written, so that a file without them saves as it was.
    visit.OptionalInt("Zoom", set.Zoom, kDefaultZoom);
    visit.OptionalBool("ZoomFit", set.ZoomFit, false);
    visit.OptionalBool("ManOku", set.ManOku, false);
    visit.OptionalBool("AutoF", set.AutoF, false);
    visit.OptionalBool("TimeColon", set.TimeColon, false);
}

}  // namespace tavrik
