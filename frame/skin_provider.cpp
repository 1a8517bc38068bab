#include "frame/skin_provider.h"

#include <algorithm>

#include "frame/border_drag.h"
#include "menus/ts_skinable_menus.h"
#include "paint/region_holes.h"
#include "paint/skin_messages.h"
#include "pixels/shared_paint_state.h"
#include "skin/skin_manager.h"

namespace au {

bool ButtonPressed = false;

namespace {

constexpr unsigned kFrameClassCode = 224;

TForm* FormOwning(TComponent* component) {
  for (TComponent* c = component; c != nullptr; c = c->Owner()) {
    if (auto* form = dynamic_cast<TForm*>(c)) return form;
  }
  return nullptr;
}

}  // namespace

TsSkinProvider::TsSkinProvider(TComponent* owner) : TComponent(owner), form_(FormOwning(owner)) {
  skinData_ = std::make_unique<TsCommonData>(this, true);
  skinData_->ControlClassCode = kFrameClassCode;
  skinData_->SetSkinSection("FORM");
  skinData_->OwnerHandler = [this](TMessage& m) { HandleSkinCommand(m); };
  if (form_ != nullptr) {
    formIcons_ = form_->BorderIcons();
    oldWindowProc_ = form_->WindowProc;
    form_->WindowProc = [this](TMessage& m) { NewWndProc(m); };
  }
  if (skinData_->EffectiveManager() != nullptr) PrepareForSkin();
}

TsSkinProvider::~TsSkinProvider() {
  ActiveBorderDrag().Cancel();
  if (form_ == nullptr) return;
  form_->WindowProc = oldWindowProc_;
  // A form that lives on gets its own frame back.
  if (!form_->IsDestroying()) {
    GiveBackBorderIcons();
    RemoveShape(true);
  }
}

void TsSkinProvider::Loaded() {
  TComponent::Loaded();
  if (skinData_->EffectiveManager() == nullptr) return;
  PrepareForSkin();
}

bool TsSkinProvider::Skinned() const {
  return form_ != nullptr && skinData_->IsSkinned();
}

bool TsSkinProvider::HasBorder() const {
  return form_ != nullptr && form_->BorderStyle() != TFormBorderStyle::bsNone;
}

bool TsSkinProvider::ShowingOnScreen() const {
  return form_ != nullptr && form_->HandleAllocated() && IsWindowVisible(form_->Handle());
}

FrameState TsSkinProvider::CurrentFrameState() const {
  FrameState s;
  s.Icons = borderIcons_;
  if (form_ == nullptr) return s;
  s.Style = form_->BorderStyle();
  if (form_->HandleAllocated()) {
    if (IsIconic(form_->Handle())) {
      s.State = TWindowState::wsMinimized;
    } else if (IsZoomed(form_->Handle())) {
      s.State = TWindowState::wsMaximized;
    }
  }
  return s;
}

FrameGeometry TsSkinProvider::Geometry() const {
  WindowSizes sizes;
  if (form_ != nullptr && form_->HandleAllocated()) {
    RECT window;
    RECT client;
    GetWindowRect(form_->Handle(), &window);
    GetClientRect(form_->Handle(), &client);
    sizes.Width = window.right - window.left;
    sizes.Height = window.bottom - window.top;
    sizes.ClientWidth = client.right;
    sizes.ClientHeight = client.bottom;
    sizes.Iconic = IsIconic(form_->Handle()) != FALSE;
  }
  const IconSettings icon{showAppIcon_, titleIcon_.Width, titleIcon_.Height};
  const TFormBorderStyle style =
      form_ != nullptr ? form_->BorderStyle() : TFormBorderStyle::bsSizeable;
  return ComputeFrameGeometry(style, SystemFrameMetrics(), sizes, icon);
}

// --- Properties -----------------------------------------------------------

void TsSkinProvider::SetBorderIcons(TBorderIcons icons) {
  if (icons == borderIcons_) return;
  borderIcons_ = icons;
  if (systemMenu_ != nullptr) systemMenu_->UpdateItems();
  InvalidateFrame();
}

void TsSkinProvider::SetCaptionAlignment(TAlignment alignment) {
  if (alignment == captionAlignment_) return;
  captionAlignment_ = alignment;
  InvalidateFrame();
}

void TsSkinProvider::SetGripMode(TGripMode mode) {
  if (mode == gripMode_) return;
  gripMode_ = mode;
  InvalidateFrame();
}

void TsSkinProvider::SetShowAppIcon(bool value) {
  if (value == showAppIcon_) return;
  showAppIcon_ = value;
  InvalidateFrame();
}

void TsSkinProvider::SetTitleIcon(const TsTitleIcon& icon) {
  titleIcon_.Glyph = icon.Glyph.Clone();
  titleIcon_.Width = icon.Width;
  titleIcon_.Height = icon.Height;
  InvalidateFrame();
}

void TsSkinProvider::SetTitleSkin(const std::string& section) {
  if (section == titleSkin_) return;
  titleSkin_ = section;
  InvalidateFrame();
}

void TsSkinProvider::SetUseGlobalColor(bool value) {
  if (value == useGlobalColor_) return;
  useGlobalColor_ = value;
  if (form_ == nullptr) return;
  TsSkinManager* manager = skinData_->EffectiveManager();
  if (value && Skinned() && !skinData_->CustomColor() && manager != nullptr) {
    form_->SetColor(manager->GlobalColor());
  } else {
    form_->SetColor(clBtnFace);
  }
}

void TsSkinProvider::TitleButtonsChanged() {
  LookUpTitleBarMasks();
  InvalidateFrame();
}

void TsSkinProvider::InvalidateFrame() {
  skinData_->BackgroundChanged = true;
  SendNcPaint();
}

// --- Preparing for a skin ---------------------------------------------------

void TsSkinProvider::PrepareForSkin() {
  TsSkinManager* manager = skinData_->EffectiveManager();
  if (manager == nullptr || form_ == nullptr) return;
  skinData_->UpdateIndexes();
  if (systemMenu_ == nullptr) systemMenu_ = new TsSystemMenu(*this);
  systemMenu_->UpdateItems();
  if (!prepared_ && manager->SkinData().SkinActive && Skinned()) {
    prepared_ = true;
    TakeBorderIcons();
  }
  LookUpTitleBarMasks();
  skinData_->BackgroundChanged = true;
  fullRepaint_ = true;
  if (!form_->IsDestroying() && !form_->IsLoading()) ApplyGlobalColor();
}

void TsSkinProvider::LookUpTitleBarMasks() {
  TsSkinManager* manager = skinData_->EffectiveManager();
  if (manager == nullptr || form_ == nullptr) return;
  au::LookUpTitleBarMasks(*manager, skinData_->SkinSectionIndex, skinData_->SkinSection(),
                          form_->BorderStyle(), titleBarMasks_);
  closeButton_.MaskIndex = titleBarMasks_.Close;
  maximizeButton_.MaskIndex = titleBarMasks_.Maximize;
  minimizeButton_.MaskIndex = titleBarMasks_.Minimize;
  helpButton_.MaskIndex = titleBarMasks_.Help;
  for (int i = 0; i < titleButtons_.Count(); ++i) {
    TsTitleButton& button = titleButtons_.Items(i);
    button.Button.MaskIndex = button.UseSkinData() ? titleBarMasks_.TitleButton : -1;
  }
}

// The platform must draw no caption buttons of its own under ours.
void TsSkinProvider::TakeBorderIcons() {
  if (form_ == nullptr || form_->BorderIcons() == 0) return;
  iconsTaken_ = true;
  form_->SetBorderIcons(0);
}

void TsSkinProvider::TakePlatformFrameParts() {
  // The skinned system menu lists the skins again.
  if (form_ != nullptr && form_->HandleAllocated()) platformSkinList_.Remove(form_->Handle());
  TakeBorderIcons();
}

void TsSkinProvider::GiveBackBorderIcons() {
  if (form_ == nullptr || !iconsTaken_) return;
  iconsTaken_ = false;
  form_->SetBorderIcons(formIcons_);
}

void TsSkinProvider::ApplyGlobalColor() {
  TsSkinManager* manager = skinData_->EffectiveManager();
  if (!useGlobalColor_ || skinData_->CustomColor() || manager == nullptr || !Skinned()) return;
  form_->SetColor(manager->GlobalColor());
}

// --- The window shape ---------------------------------------------------------

bool TsSkinProvider::SetShape(HRGN region, bool redraw) {
  if (form_ == nullptr || !form_->HandleAllocated()) {
    if (region != nullptr) DeleteObject(region);
    return false;
  }
  // Whatever the window had, it is not the shape of the holes any more.
  holesApplied_ = false;
  inRegionUpdate_ = true;
  // Once set, the region belongs to the window.
  const bool set = SetWindowRgn(form_->Handle(), region, redraw ? TRUE : FALSE) != 0;
  inRegionUpdate_ = false;
  if (!set && region != nullptr) DeleteObject(region);
  return set;
}

void TsSkinProvider::RemoveShape(bool redraw) {
  regionValid_ = false;
  SetShape(nullptr, redraw);
}

void TsSkinProvider::CutTitleFromShape() {
  if (form_ == nullptr || !form_->HandleAllocated()) return;
  const FrameGeometry g = Geometry();
  UniqueRegion shape(CreateRectRgn(0, 0, 0, 0));
  if (!shape) return;
  if (GetWindowRgn(form_->Handle(), shape.Get()) == ERROR) {
    shape.Reset(CreateRectRgn(0, 0, g.Width, g.Height));
    if (!shape) return;
  }
  UniqueRegion title(CreateRectRgn(0, 0, g.Width, g.TitleHeight));
  if (title) CombineRgn(shape.Get(), shape.Get(), title.Get(), RGN_DIFF);
  // Whatever the platform draws into the title now stays off the screen; the
  // next frame paint gives the window its whole shape back.
  regionValid_ = false;
  SetShape(shape.Release(), false);
}

void TsSkinProvider::RebuildShape(const FrameGeometry& g) {
  TsSkinManager* manager = skinData_->EffectiveManager();
  if (manager == nullptr) return;
  std::vector<TRect> holes;
  const auto addHoles = [&](int maskIndex, bool top, bool bottom) {
    if (!manager->IsValidMaskIndex(maskIndex)) return;
    const TsMaskData& mask = manager->Masks()[static_cast<size_t>(maskIndex)];
    const SkinRecords& records = manager->Records();
    const int left = records.BorderLeft(maskIndex);
    const int right = records.BorderRight(maskIndex);
    if (top) {
      AddCornerHoles(holes, mask, {left, records.BorderTop(maskIndex), right}, false, 0, g.Width);
    }
    if (bottom) {
      const int rows = records.BorderBottom(maskIndex);
      AddCornerHoles(holes, mask, {left, rows, right}, true, g.Height - rows, g.Width);
    }
  };
  addHoles(skinData_->BordersMaskIndex, true, true);
  const std::string titleName = TitleSectionName();
  const int title = manager->SectionIndex(titleName);
  if (title >= 0) addHoles(manager->MaskIndex(title, titleName, "BORDERSMASK"), true, false);
  regionValid_ = true;
  // Setting a shape is dear (the display server reshapes and repaints the
  // window); the one the window has may well be this one already.
  const bool same = holesApplied_ && appliedShapeSize_.cx == g.Width &&
                    appliedShapeSize_.cy == g.Height &&
                    std::equal(holes.begin(), holes.end(), regionHoles_.begin(), regionHoles_.end(),
                               [](const TRect& a, const TRect& b) {
                                 return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right &&
                                        a.Bottom == b.Bottom;
                               });
  if (same) return;
  regionHoles_ = std::move(holes);
  holesApplied_ = SetShape(MakeWindowShape(g.Width, g.Height, regionHoles_).Release(), true);
  appliedShapeSize_ = {g.Width, g.Height};
}

// --- Skin commands ------------------------------------------------------------

void TsSkinProvider::HandleSkinCommand(TMessage& m) {
  const bool own = SkinManagerOf(m) == skinData_->EffectiveManager();
  switch (SkinCommandOf(m)) {
    case SK_SKINCHANGED:
      if (own) SkinChanged(m);
      return;
    case SK_SKINREMOVED:
      if (own) SkinRemoved(m);
      FollowMenus(own);
      return;
    case SK_REFRESH:
      if (own && Skinned()) Refresh();
      FollowMenus(own);
      return;
    case SK_GETPROVIDER:
      m.Result = reinterpret_cast<LRESULT>(static_cast<TComponent*>(this));
      return;
    case SK_ISSKINNED:
      m.LParam = 1;
      m.Result = 1;
      return;
    default:
      break;
  }
  if (!Skinned()) {
    if (form_ != nullptr) CallOldWindowProc(m);
    return;
  }
  switch (SkinCommandOf(m)) {
    case SK_GETCACHE:
      AnswerCache();
      return;
    case SK_SETUPDATING:
      skinData_->Updating = SkinParameterOf(m) == 1;
      if (skinData_->Updating) skinData_->BackgroundChanged = true;
      return;
    case SK_SETURGENTPAINT:
      skinData_->UrgentPaint = SkinParameterOf(m) == 1;
      if (skinData_->UrgentPaint) PaintForm();
      BroadcastToChildren(form_, m);
      return;
    case SK_ISUPDATING:
      m.LParam = (skinData_->BackgroundChanged || skinData_->Updating) ? 1 : 0;
      m.Result = 1;
      return;
    case SK_ISGRAPHICBG: {
      const TsGeneralData* section = skinData_->Section();
      m.LParam = section != nullptr && section->GradientPercent + section->ImagePercent > 0;
      m.Result = 1;
      return;
    }
    case SK_GETBGCOLOR:
      AnswerBackgroundColor();
      m.Result = 1;
      return;
    default:
      skinData_->HandleSkinCommand(m);
      return;
  }
}

void TsSkinProvider::AnswerCache() const {
  CacheInfo.Ready = false;
  if (IsLoading() || form_->IsLoading() || FrameCache().Empty()) return;
  const FrameGeometry g = Geometry();
  CacheInfo = TCacheInfo{skinData_->CacheBitmap.get(), g.ClientOffsetX, g.ClientOffsetY, true};
}

void TsSkinProvider::AnswerBackgroundColor() const {
  const TsGeneralData* section = skinData_->Section();
  SharedBackgroundColor = section != nullptr && !skinData_->CustomColor()
                              ? ResolveColor(section->HotColor)
                              : ResolveColor(form_->Color());
}

void TsSkinProvider::SkinChanged(TMessage& m) {
  if (form_ == nullptr) return;
  const bool wasSkinned = Skinned();
  if (HasBorder()) RemoveShape(false);
  skinData_->HandleSkinCommand(m);
  if (!Skinned()) {
    // The new skin has nothing for this window: the platform's frame comes
    // back whole, with its own buttons.
    titleCache_.reset();
    GiveBackBorderIcons();
    if (form_->HandleAllocated()) {
      RedrawWindow(form_->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
    }
    return;
  }
  if (!prepared_) PrepareForSkin();
  LookUpTitleBarMasks();
  TakePlatformFrameParts();
  skinData_->BackgroundChanged = true;
  fullRepaint_ = true;
  titleCache_.reset();
  if (!wasSkinned) ApplyGlobalColor();
  SendNcPaint();
}

void TsSkinProvider::SkinRemoved(TMessage& m) {
  if (form_ == nullptr) return;
  skinData_->HandleSkinCommand(m);
  titleCache_.reset();
  regionHoles_.clear();
  if (useGlobalColor_ && !skinData_->CustomColor()) form_->SetColor(clBtnFace);
  GiveBackBorderIcons();
  if (HasBorder()) RemoveShape(true);
  // The platform draws its own frame again.
  if (form_->HandleAllocated()) {
    RedrawWindow(form_->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
  }
}

void TsSkinProvider::FollowMenus(bool ownManager) {
  // The pop-up menus are skinned exactly while this window's skin is active.
  TsSkinManager* manager = skinData_->EffectiveManager();
  if (!ownManager || manager == nullptr) return;
  // A manager that never had a painter has no menus to take back.
  TsSkinableMenus* menus = manager->SkinData().SkinActive
                               ? SkinableMenusOf(*manager)
                               : dynamic_cast<TsSkinableMenus*>(manager->MenuPainter());
  if (menus != nullptr) menus->FollowSkin();
}

void TsSkinProvider::Refresh() {
  if (HasBorder() && ShowingOnScreen()) RemoveShape(false);
  skinData_->BackgroundChanged = true;
  skinData_->Updating = false;
  fullRepaint_ = true;
  titleCache_.reset();
  if (HasBorder()) regionValid_ = false;
  // A window skinned again after its skin had gone hides its own buttons again.
  TakePlatformFrameParts();
  if (!ShowingOnScreen()) return;
  ApplyGlobalColor();
  SendNcPaint();
  RepaintClient();
}

void TsSkinProvider::SendNcPaint() {
  if (ShowingOnScreen()) SendMessageW(form_->Handle(), WM_NCPAINT, 1, 0);
}

void TsSkinProvider::RepaintClient() {
  if (!ShowingOnScreen()) return;
  InvalidateRect(form_->Handle(), nullptr, FALSE);
  UpdateWindow(form_->Handle());
}

// --- Window messages ----------------------------------------------------------

void TsSkinProvider::NewWndProc(TMessage& m) {
  if (m.Msg == SM_ALPHACMD) {
    HandleSkinCommand(m);
    return;
  }
  if (!Skinned() || form_->IsDestroying()) {
    if (!form_->IsDestroying() && HandlePlatformSkinList(m)) return;
    CallOldWindowProc(m);
    return;
  }
  HandleSkinnedMessage(m);
}

bool TsSkinProvider::HandlePlatformSkinList(TMessage& m) {
  TsSkinManager* manager = skinData_->EffectiveManager();
  if (manager == nullptr || !makeSkinMenu_ || !form_->HandleAllocated()) return false;
  switch (m.Msg) {
    case WM_INITMENUPOPUP:
      // The system menu is about to show: the list as the skins are now. Not
      // for its sub-menus, which count as the system menu too: the list is
      // one of them, and would be replaced while it shows.
      if (HIWORD(m.LParam) != 0 &&
          reinterpret_cast<HMENU>(m.WParam) == GetSystemMenu(form_->Handle(), FALSE)) {
        platformSkinList_.Insert(form_->Handle(), *manager);
      }
      return false;
    case WM_SYSCOMMAND:
      if (!platformSkinList_.Choose(m.WParam, *manager)) return false;
      m.Result = 0;
      return true;
    case WM_COMMAND:
      // Wine reports a choice in a sub-menu of the system menu so.
      if (HIWORD(m.WParam) != 0 || m.LParam != 0) return false;
      if (!platformSkinList_.Choose(LOWORD(m.WParam), *manager)) return false;
      m.Result = 0;
      return true;
    default:
      return false;
  }
}

void TsSkinProvider::HandleSkinnedMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_CREATE:
      CallOldWindowProc(m);
      // A window made again has no shape and shows nothing of the frame yet.
      regionValid_ = false;
      holesApplied_ = false;
      PrepareForSkin();
      return;
    case WM_NCPAINT:
      PaintFrameToScreen();
      m.Result = 0;
      return;
    case WM_PRINT:
      HandlePrint(m);
      return;
    case WM_NCHITTEST:
      HandleNcHitTest(m);
      return;
    case WM_NCACTIVATE: {
      const bool activating = m.WParam != 0;
      // The platform draws its caption on both changes; neither may show.
      if (HasBorder() && ShowingOnScreen()) CutTitleFromShape();
      CallOldWindowProc(m);
      if (form_->IsCreating()) return;
      // The frame is built again only for a new look: a rebuild also reshapes
      // the window, which repaints every child (Wine activates a window it
      // shows right after painting it active).
      if (HasBorder() && activating != formActive_) {
        formActive_ = activating;
        skinData_->BackgroundChanged = true;
      }
      SendNcPaint();
      return;
    }
    case WM_ACTIVATE: {
      CallOldWindowProc(m);
      const bool active = LOWORD(m.WParam) != WA_INACTIVE;
      if (active != formActive_) {
        formActive_ = active;
        skinData_->BackgroundChanged = true;
      }
      SendNcPaint();
      if (systemMenu_ != nullptr) systemMenu_->UpdateItems();
      return;
    }
    case WM_SETTEXT:
      if (ShowingOnScreen() && HasBorder()) CutTitleFromShape();
      CallOldWindowProc(m);
      skinData_->BackgroundChanged = true;
      SendNcPaint();
      return;
    case WM_PAINT:
      PaintClient(m);
      return;
    case WM_ERASEBKGND:
      m.Result = 1;
      return;
    case WM_SIZE: {
      CallOldWindowProc(m);
      const TsGeneralData* section = skinData_->Section();
      if (!form_->Showing() || section == nullptr || section->GradientPercent < 1) return;
      for (int i = 0; i < form_->ControlCount(); ++i) {
        TControl* child = form_->Controls(i);
        if (child->IsDestroying()) continue;
        child->Perform(SM_ALPHACMD, SkinCommandParam(SK_POSITIONCHANGED, 1), 0);
      }
      return;
    }
    case WM_WINDOWPOSCHANGED:
    case WM_EXITSIZEMOVE: {
      if (inRegionUpdate_) break;
      regionValid_ = false;
      CallOldWindowProc(m);
      const FrameGeometry g = Geometry();
      if (ShowingOnScreen() && !CacheFits(g)) {
        skinData_->BackgroundChanged = true;
        fullRepaint_ = true;
        SendNcPaint();
        RepaintClient();
      }
      return;
    }
    case WM_WINDOWPOSCHANGING:
      if (screenSnap_ && !IsZoomed(form_->Handle())) {
        SnapToWorkArea(*reinterpret_cast<WINDOWPOS*>(m.LParam));
      }
      break;
    case WM_GETMINMAXINFO:
      CallOldWindowProc(m);
      FitMaximisedToWorkArea(*reinterpret_cast<MINMAXINFO*>(m.LParam));
      return;
    case WM_NCLBUTTONDOWN:
      HandleLeftButtonDown(m);
      return;
    case WM_NCLBUTTONUP:
    case WM_LBUTTONUP:
      HandleLeftButtonUp(m);
      return;
    case WM_NCLBUTTONDBLCLK:
      HandleDoubleClick(m);
      return;
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
      HandleRightButton(m);
      return;
    case WM_SYSCOMMAND: {
      CallOldWindowProc(m);
      const WPARAM command = m.WParam & 0xFFF0;
      if ((command == SC_MAXIMIZE || command == SC_RESTORE) && hotButtonCode_ == HTMAXBUTTON) {
        SetHotButton(0);
      }
      return;
    }
    case WM_NCMOUSEMOVE:
      TrackNonClientLeave();
      break;
    case WM_MOUSEMOVE:
      if (ActiveBorderDrag().Active() && ActiveBorderDrag().Window() == form_->Handle()) {
        POINT p{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
        ClientToScreen(form_->Handle(), &p);
        ActiveBorderDrag().Move(p);
        return;
      }
      break;
    case WM_CAPTURECHANGED:
      if (ActiveBorderDrag().Active() && ActiveBorderDrag().Window() == form_->Handle()) {
        ActiveBorderDrag().Cancel();
      }
      break;
    case WM_NCMOUSELEAVE:
      trackingLeave_ = false;
      ClearHotUnlessOverButton();
      break;
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
      ClearHotUnlessOverButton();
      break;
    default:
      break;
  }
  CallOldWindowProc(m);
}

bool TsSkinProvider::CacheFits(const FrameGeometry& g) const {
  return FrameCache().Width() == g.Width && FrameCache().Height() == g.Height;
}

void TsSkinProvider::TrackNonClientLeave() {
  if (trackingLeave_ || !form_->HandleAllocated()) return;
  TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE | TME_NONCLIENT, form_->Handle(), 0};
  trackingLeave_ = TrackMouseEvent(&tme) != FALSE;
}

void TsSkinProvider::SnapToWorkArea(WINDOWPOS& pos) const {
  if (pos.flags & SWP_NOMOVE) return;
  RECT work;
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) return;
  RECT now;
  GetWindowRect(form_->Handle(), &now);
  const int width = (pos.flags & SWP_NOSIZE) ? now.right - now.left : pos.cx;
  const int height = (pos.flags & SWP_NOSIZE) ? now.bottom - now.top : pos.cy;
  const auto withinSnap = [this](int a, int b) { return std::abs(a - b) <= snapBuffer_; };
  if (withinSnap(pos.x, work.left)) {
    pos.x = work.left;
  } else if (withinSnap(pos.x + width, work.right)) {
    pos.x = work.right - width;
  }
  if (withinSnap(pos.y, work.top)) {
    pos.y = work.top;
  } else if (withinSnap(pos.y + height, work.bottom)) {
    pos.y = work.bottom - height;
  }
}

void TsSkinProvider::FitMaximisedToWorkArea(MINMAXINFO& info) const {
  RECT work;
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) return;
  const FrameGeometry g = Geometry();
  // The borders of a maximised window lie just outside the work area.
  info.ptMaxPosition = {work.left - g.BorderWidth, work.top - g.BorderHeight};
  info.ptMaxSize = {work.right - work.left + 2 * g.BorderWidth,
                    work.bottom - work.top + 2 * g.BorderHeight};
}

void TsSkinProvider::PopupSystemMenu(int x, int y) {
  if (form_ == nullptr) return;
  if (systemMenu_ == nullptr) systemMenu_ = new TsSystemMenu(*this);
  systemMenu_->SetOwnerWindow(form_->Handle());
  systemMenu_->Popup(x, y);
}

void TsSkinProvider::SendSysCommand(WPARAM command) {
  if (form_ != nullptr && form_->HandleAllocated()) {
    SendMessageW(form_->Handle(), WM_SYSCOMMAND, command, 0);
  }
}

}  // namespace au
