#include "paint/common_data.h"

#include <algorithm>

#include "paint/repaint_border_corners.h"
#include "paint/skin_messages.h"
#include "pixels/shared_paint_state.h"
#include "skin/ansi_text.h"
#include "skin/skin_globals.h"
#include "skin/skin_manager.h"
#include "ui/gdi_handles.h"
#include "ui/memo.h"
#include "ui/win_control.h"

namespace au {
namespace {

struct DefaultSection {
  std::initializer_list<unsigned> Codes;
  const char* Section;
};

const DefaultSection kDefaultSections[] = {
    {{2, 3, 4, 5, 6, 7, 8, 10, 41, 76, 78, 83, 84, 96, 97, 131, 140, 227}, "EDIT"},
    {{11, 12, 13, 14, 15, 16, 17, 18, 81, 82}, "COMBOBOX"},
    {{19}, "BAR"},
    {{20}, "BARTITLE"},
    {{32, 152}, "CHECKBOX"},
    {{33}, "RADIOBUTTON"},
    {{51, 59, 68, 73}, "PANEL"},
    {{52, 58}, "PANEL_LOW"},
    {{53, 54, 60}, "TOOLBAR"},
    {{56}, "DRAGBAR"},
    {{57}, "TABSHEET"},
    {{74, 226}, "GROUPBOX"},
    {{75}, "SPLITTER"},
    {{92, 95}, "SPEEDBUTTON"},
    {{93, 94}, "BUTTON"},
    {{98}, "TOOLBUTTON"},
    {{141}, "PAGECONTROL"},
    {{143}, "TABCONTROL"},
    {{151}, "STATUSBAR"},
    {{161}, "GAUGE"},
    {{165}, "TRACKBAR"},
};

// Each channel: the parent's share T/256 over the section colour.
TColor MixWithParent(TColor parent, TColor section, int transparency) {
  const auto channel = [&](int shift) {
    const int p = (parent >> shift) & 0xFF;
    const int c = (section >> shift) & 0xFF;
    const int sum = (p - c) * transparency + c * 256;
    return std::clamp(sum >> 8, 0, 255);
  };
  return MakeColor(channel(0), channel(8), channel(16));
}

}  // namespace

bool IsNoHotStateCode(unsigned code) {
  return (code >= 51 && code <= 74) || code == 110 || (code >= 141 && code <= 161);
}

const char* DefaultSectionOfCode(unsigned code) {
  for (const DefaultSection& entry : kDefaultSections) {
    if (std::find(entry.Codes.begin(), entry.Codes.end(), code) != entry.Codes.end()) {
      return entry.Section;
    }
  }
  return "";
}

TsCommonData::TsCommonData(TComponent* owner, bool withCache)
    : OwnerControl(dynamic_cast<TControl*>(owner)), OwnerObject(owner) {
  if (withCache) CacheBitmap = std::make_unique<Bitmap24>();
}

TsCommonData::~TsCommonData() {
  SkinSectionIndex = BordersMaskIndex = PatternMaskIndex = HotPatternMaskIndex = -1;
  skinManager_ = nullptr;
}

TsSkinManager* TsCommonData::EffectiveManager() const {
  return skinManager_ != nullptr ? skinManager_ : DefaultSkinManager;
}

const TsGeneralData* TsCommonData::Section() const {
  TsSkinManager* manager = EffectiveManager();
  if (manager == nullptr || SkinSectionIndex < 0 ||
      SkinSectionIndex >= static_cast<int>(manager->Sections().size())) {
    return nullptr;
  }
  return &manager->Sections()[static_cast<size_t>(SkinSectionIndex)];
}

bool TsCommonData::IsEditType() const {
  return dynamic_cast<const TMemo*>(OwnerControl) != nullptr || ControlClassCode == 97;
}

bool TsCommonData::OwnerReady() const {
  const TControl* c = OwnerControl;
  return c != nullptr && !c->IsCreating() && !c->IsReading() && !c->IsLoading() &&
         !c->IsDestroying() && c->Parent() != nullptr;
}

void TsCommonData::TellOwner(TsSkinManager* manager, bool frameToo) {
  const bool toControl =
      OwnerControl != nullptr && OwnerControl->Parent() != nullptr && !OwnerControl->IsDestroying();
  const bool toFrame = frameToo && OwnerControl == nullptr && OwnerHandler &&
                       OwnerObject != nullptr && !OwnerObject->IsDestroying();
  if (!toControl && !toFrame) return;
  const bool found = manager != nullptr && manager->IsValidSectionIndex(SkinSectionIndex);
  TMessage m =
      SkinCommandMessage(found ? SK_REFRESH : SK_SKINREMOVED, 0, reinterpret_cast<LPARAM>(manager));
  try {
    if (toControl) {
      OwnerControl->WindowProc(m);
    } else {
      OwnerHandler(m);
    }
  } catch (...) {
    // The owner keeps its previous look; nothing reaches the user.
  }
}

void TsCommonData::SetSkinManager(TsSkinManager* manager) {
  // The default manager is followed, not stored.
  TsSkinManager* stored = manager == DefaultSkinManager ? nullptr : manager;
  if (stored == skinManager_) return;
  skinManager_ = stored;
  if (OwnerObject != nullptr && OwnerObject->IsLoading()) return;
  if (manager != nullptr && !manager->Sections().empty()) {
    UpdateIndexes();
  } else {
    SkinSectionIndex = -1;
  }
  TellOwner(manager, true);
}

void TsCommonData::SetSkinSection(const std::string& section) {
  if (section == skinSection_) return;
  skinSection_ = section.empty() ? "UNKNOWN" : UpperCase(section);
  TsSkinManager* manager = EffectiveManager();
  if (manager != nullptr && !manager->Sections().empty()) {
    UpdateIndexes();
  } else {
    SkinSectionIndex = -1;
  }
  TellOwner(manager, false);
}

void TsCommonData::SetCustomColor(bool value) {
  if (value == customColor_) return;
  customColor_ = value;
  if (IsSkinned() && IsEditType() && !OwnerObject->IsLoading()) {
    ApplySectionColors();
    InvalidateControl();
  }
}

void TsCommonData::SetCustomFont(bool value) {
  if (value == customFont_) return;
  customFont_ = value;
  InvalidateControl();
}

void TsCommonData::ApplySectionColors() {
  const TsGeneralData* section = Section();
  if (section == nullptr || OwnerControl == nullptr) return;
  auto* control = OwnerControl;
  if (!customColor_ && control->Color() != section->Color) control->SetColor(section->Color);
  if (!customFont_ && control->Font().Color() != section->FontColor[0]) {
    control->Font().SetColor(section->FontColor[0]);
  }
}

void TsCommonData::RestoreSystemColors() {
  if (OwnerControl == nullptr) return;
  auto* control = OwnerControl;
  if (!customColor_) control->SetColor(clWindow);
  if (!customFont_) control->Font().SetColor(clWindowText);
}

void TsCommonData::UpdateIndexes() {
  BackgroundChanged = true;
  TsSkinManager* manager = EffectiveManager();
  SkinSectionIndex = manager != nullptr ? manager->SectionIndex(skinSection_) : -1;
  if (SkinSectionIndex < 0) {
    PatternMaskIndex = HotPatternMaskIndex = -1;
    return;
  }
  BordersMaskIndex = manager->MaskIndex(SkinSectionIndex, skinSection_, "BORDERSMASK");
  PatternMaskIndex = manager->TextureMaskIndex(SkinSectionIndex, skinSection_, "PATTERN");
  HotPatternMaskIndex = manager->TextureMaskIndex(SkinSectionIndex, skinSection_, "HOTPATTERN");
}

void TsCommonData::AssignDefaultSection() {
  if (!skinSection_.empty()) {
    UpdateIndexes();
    return;
  }
  std::string section = DefaultSectionOfCode(ControlClassCode);
  if (section.empty() && OwnerObject != nullptr) section = OwnerObject->ClassName();
  SetSkinSection(section);
}

void TsCommonData::FinishLoading() {
  AssignDefaultSection();
  if (IsSkinned() && OwnerControl != nullptr && OwnerControl->Parent() != nullptr && IsEditType() &&
      !OwnerControl->IsLoading()) {
    ApplySectionColors();
  }
}

bool TsCommonData::IsSkinned(bool requireActive) const {
  if (OwnerObject != nullptr && OwnerObject->IsDestroying()) return false;
  TsSkinManager* manager = EffectiveManager();
  if (manager == nullptr || manager->IsDestroying()) return false;
  if (requireActive && !manager->SkinData().SkinActive) return false;
  return manager->IsValidSectionIndex(SkinSectionIndex);
}

bool TsCommonData::IsHotState() const {
  const TControl* c = OwnerControl;
  if (c == nullptr || c->IsDestroying() || !c->Enabled() || c->IsDesigning()) return false;
  if (Focused) return true;
  if (const auto* windowed = dynamic_cast<const TWinControl*>(c); windowed && windowed->Focused()) {
    return true;
  }
  return MouseInside && !IsNoHotStateCode(ControlClassCode);
}

bool TsCommonData::IsTransparentSection() const {
  const TsGeneralData* section = Section();
  return section != nullptr && section->Transparency > 0;
}

bool TsCommonData::IsUpdating() const {
  TsSkinManager* manager = EffectiveManager();
  if (manager == nullptr || !manager->SkinData().SkinActive) return true;
  const TControl* c = OwnerControl;
  if (c == nullptr || c->IsDestroying()) return Updating;
  if (Updating || c->Parent() == nullptr) return true;
  try {
    return QuerySkinCommand(c->Parent(), SK_ISUPDATING);
  } catch (...) {
    return Updating;
  }
}

bool TsCommonData::ShowsParent() const {
  const TControl* c = OwnerControl;
  if (UrgentPaint || !IsSkinned() || c == nullptr || c->IsCreating() || !c->Visible()) return true;
  const TsGeneralData* section = Section();
  if (section == nullptr) return false;
  const bool candidate = !c->Enabled() || section->Transparency > 0;
  if (candidate && c->Parent() != nullptr && c->Parent()->HandleAllocated()) {
    return QuerySkinCommand(c->Parent(), SK_ISGRAPHICBG);
  }
  return candidate;
}

void TsCommonData::PrepareCacheBitmap() {
  if (!CacheBitmap) CacheBitmap = std::make_unique<Bitmap24>();
  if (OwnerControl == nullptr) return;
  if (CacheBitmap->Width() != OwnerControl->Width() ||
      CacheBitmap->Height() != OwnerControl->Height()) {
    CacheBitmap->SetSize(OwnerControl->Width(), OwnerControl->Height());
  }
}

void TsCommonData::InvalidateControl() {
  if (OwnerObject == nullptr || OwnerObject->IsLoading() || OwnerObject->IsDestroying()) return;
  BackgroundChanged = true;
  if (OwnerReady()) OwnerControl->Invalidate();
}

TCacheInfo TsCommonData::RequestParentCache() const {
  CacheInfo.Ready = false;
  const TControl* c = OwnerControl;
  if (c == nullptr || c->Parent() == nullptr || !c->Parent()->HandleAllocated()) return {};
  SkinCommandToWindow(c->Parent()->Handle(), SK_GETCACHE);
  return CacheInfo;
}

TColor TsCommonData::ParentColorFor() const {
  const TControl* c = OwnerControl;
  if (c->Parent() == nullptr) return ResolveColor(c->Color());
  // The parent's answer; a parent that does not answer leaves the value alone.
  if (c->Parent()->HandleAllocated()) SkinCommandToWindow(c->Parent()->Handle(), SK_GETBGCOLOR);
  if (SharedBackgroundColor == clMagenta) return ResolveColor(c->Parent()->Color());
  return SharedBackgroundColor;
}

void TsCommonData::AnswerBackgroundColor() {
  const TControl* c = OwnerControl;
  const TsGeneralData* section = IsSkinned() ? Section() : nullptr;
  if (section == nullptr) {
    if (c != nullptr) SharedBackgroundColor = ResolveColor(c->Color());
    return;
  }
  // Sections of the internal skin and common sections may name a system
  // colour; whoever asks paints with the answer.
  const TColor own = ResolveColor(section->Color);
  if (section->Transparency == 0 || c == nullptr) {
    SharedBackgroundColor = own;
    return;
  }
  const TColor parent = ParentColorFor();
  SharedBackgroundColor =
      section->Transparency == 100 ? parent : MixWithParent(parent, own, section->Transparency);
}

void TsCommonData::PositionChanged(unsigned parameter) {
  const bool shows = ShowsParent();
  BackgroundChanged = BackgroundChanged || shows;
  auto* windowed = dynamic_cast<TWinControl*>(OwnerControl);
  if (windowed == nullptr) return;
  if (parameter == 1 && windowed->HandleAllocated()) {
    RedrawWindow(windowed->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_NOERASE | RDW_NOINTERNALPAINT);
  }
  if (!shows) return;
  for (int i = 0; i < windowed->ControlCount(); ++i) {
    TControl* child = windowed->Controls(i);
    if (!child->IsDestroying()) SkinCommandToControl(child, SK_POSITIONCHANGED);
  }
}

bool TsCommonData::HandleSkinCommand(TMessage& m) {
  const unsigned code = SkinCommandOf(m);
  const unsigned parameter = SkinParameterOf(m);
  if (code >= SK_SKINCHANGED && code <= SK_REFRESH && SkinManagerOf(m) != EffectiveManager()) {
    return false;
  }
  m.Result = 0;
  switch (code) {
    case SK_SKINCHANGED:
      Updating = true;
      UpdateIndexes();
      return true;
    case SK_SKINREMOVED:
      if (skinManager_ != nullptr && skinManager_->IsDestroying()) skinManager_ = nullptr;
      SkinSectionIndex = BordersMaskIndex = PatternMaskIndex = HotPatternMaskIndex = -1;
      Updating = true;
      if (CacheBitmap) CacheBitmap->SetSize(0, 0);
      if (IsEditType()) RestoreSystemColors();
      return true;
    case SK_REFRESH:
      BackgroundChanged = true;
      Updating = false;
      if (IsSkinned() && IsEditType()) ApplySectionColors();
      return true;
    case SK_GETCACHE:
      CacheInfo.Ready = false;
      if (CacheBitmap) CacheInfo = TCacheInfo{CacheBitmap.get(), 0, 0, true};
      return true;
    case SK_ISSKINNED:
      m.LParam = 1;
      m.Result = 1;
      return true;
    case SK_SETUPDATING:
      Updating = parameter == 1;
      return true;
    case SK_SETURGENTPAINT:
      UrgentPaint = parameter == 1;
      return true;
    case SK_ISUPDATING:
      m.LParam = (BackgroundChanged || IsUpdating()) ? 1 : 0;
      m.Result = 1;
      return true;
    case SK_ISHALFVISIBLE:
      m.LParam = PartlyVisible ? 1 : 0;
      m.Result = 1;
      return true;
    case SK_TRANSPARENTCHANGED:
      if (IsTransparentSection() && parameter == 1) BackgroundChanged = true;
      return true;
    case SK_SECTIONREPAINT:
      return true;
    case SK_SETPAINTCHILD:
      PaintChild = reinterpret_cast<TControl*>(m.LParam);
      return true;
    case SK_SETBGCHANGED:
      BackgroundChanged = true;
      return true;
    case SK_ISGRAPHICBG: {
      if (SkinSectionIndex < 0) return true;
      const TsGeneralData* section = Section();
      const bool graphic =
          section != nullptr && section->GradientPercent + section->ImagePercent > 0;
      m.LParam = (graphic || ShowsParent()) ? 1 : 0;
      m.Result = 1;
      return true;
    }
    case SK_POSITIONCHANGED:
      PositionChanged(parameter);
      return true;
    case SK_GETBGCOLOR:
      AnswerBackgroundColor();
      m.Result = 1;
      return true;
    case SK_SETHALFVISIBLE:
      PartlyVisible = true;
      return true;
    default:
      return false;
  }
}

bool TsCommonData::HandleControlMessage(TMessage& m) {
  TControl* c = OwnerControl;
  if (c == nullptr) return false;
  auto* windowed = dynamic_cast<TWinControl*>(c);
  switch (m.Msg) {
    case SM_ALPHACMD:
      return HandleSkinCommand(m);
    case WM_MOVE:
      if (ShowsParent()) c->Perform(SM_ALPHACMD, SkinCommandParam(SK_POSITIONCHANGED, 1), 0);
      return false;
    case WM_SIZE: {
      if (!IsSkinned()) return false;
      BackgroundChanged = true;
      const TsGeneralData* section = Section();
      if (windowed == nullptr || section == nullptr || section->GradientPercent <= 0) return false;
      for (int i = 0; i < windowed->ControlCount(); ++i) {
        TControl* child = windowed->Controls(i);
        if (child->IsDestroying() || (child->Anchors() & (akRight | akBottom))) continue;
        child->Perform(SM_ALPHACMD, SkinCommandParam(SK_POSITIONCHANGED, 1), 0);
      }
      return false;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (windowed != nullptr && windowed->CanFocus() && windowed->TabStop()) {
        BackgroundChanged = true;
        Focused = m.Msg == WM_SETFOCUS;
      }
      return false;
    case WM_FONTCHANGE:
    case CM_ENABLEDCHANGED:
      MouseInside = false;
      Focused = false;
      return false;
    case WM_UPDATEUISTATE:
      // The platform's keyboard-cue painting would draw over the skin.
      return IsSkinned();
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      if (!c->IsDesigning() && !IsNoHotStateCode(ControlClassCode)) {
        MouseInside = m.Msg == CM_MOUSEENTER;
      }
      return false;
    default:
      return false;
  }
}

void TsCommonData::CopyCacheToDevice(TWinControl* container, const RECT& offsets, bool paintBorders,
                                     HDC dc, const RECT& target) {
  if (!CacheBitmap || CacheBitmap->Empty()) return;
  if (paintBorders) RepaintBorderCorners(*this, 0);
  SavedDc saved(dc);
  IntersectClipRect(dc, target.left, target.top, target.right, target.bottom);
  if (container != nullptr) {
    for (int i = 0; i < container->ControlCount(); ++i) {
      TControl* child = container->Controls(i);
      if (!child->Visible()) continue;
      const RECT b = child->BoundsRect();
      if (b.left >= target.right || b.top >= target.bottom || target.left >= b.right ||
          target.top >= b.bottom) {
        continue;
      }
      const bool paintsItself =
          child->HasStyle(csOpaque) || dynamic_cast<TWinControl*>(child) == nullptr;
      if (paintsItself || child->IsDesigning()) {
        ExcludeClipRect(dc, b.left + offsets.right, b.top + offsets.bottom, b.right + offsets.right,
                        b.bottom + offsets.bottom);
      }
    }
  }
  MemoryDc source;
  SelectScope select(source.Get(), static_cast<HBITMAP>(CacheBitmap->NativeHandle()));
  BitBlt(dc, target.left, target.top, target.right - target.left, target.bottom - target.top,
         source.Get(), offsets.left, offsets.top, SRCCOPY);
}

}  // namespace au
