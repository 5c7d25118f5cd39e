// Every colour code of every screen, each named once and listed with the
// screen that reads it. A pick colour is three bytes: red is the code; green
// is 144, the menu mark, for everything but the two codes that carry data in
// green (the image chooser's image index and the logic editor's words); blue
// is the index of the thing within its list or a small choice, 144 where there
// is nothing to index. The lists let a test check that no two things answer to
// the same colour on one screen.
#pragma once

#include <cstddef>

namespace tf {

// Red, green and blue bytes of a pick colour.
struct PickColor {
  int r = 0, g = 0, b = 0;
  bool operator==(const PickColor& o) const { return r == o.r && g == o.g && b == o.b; }
};

// Green of every menu-level thing, and blue where there is nothing to index.
constexpr int kPickMenuMark = 144;
// The colour of a menu-level code, with the index `blue`.
constexpr PickColor menuPick(int code, int blue = kPickMenuMark) { return {code, kPickMenuMark, blue}; }
// A surface that absorbs clicks, and the empty background behind a screen.
constexpr PickColor kPickBlocking{144, 144, 144};
constexpr PickColor kPickEmpty{254, 254, 254};

// ---- the toolkit: menus, dialogs, notice, help, console, game browser ----
constexpr int kPickButton = '%';          // menu button, B = button
constexpr int kPickTextbox = '&';         // menu textbox, B = textbox
constexpr int kPickSystemTextbox = '0';   // an editor's entry field, B = system textbox
constexpr int kPickDialogLeft = '#';      // dialog button 0
constexpr int kPickDialogRight = '$';     // dialog button 1
constexpr int kPickNotice = '[';          // the notice box: closes it
constexpr int kPickHelpTopic = '\'';      // help topic title, B = topic
constexpr int kPickHelpClose = '8';
constexpr int kPickHelpOpen = '7';        // also the world editor's help icon
constexpr int kPickConsoleToggle = '/';
constexpr int kPickConsoleOlder = '3';
constexpr int kPickConsoleNewer = '4';
constexpr int kPickBrowserChoice = 'n';   // B = 1 the check mark, 0 the cross
constexpr int kPickBrowserRow = 'o';      // B = row
constexpr int kPickBrowserDown = 'p';
constexpr int kPickBrowserUp = 'q';

// ---- both editors ----
constexpr int kPickToolbarSave = '(';
constexpr int kPickToolbarAnimation = ')';  // animation editing
constexpr int kPickPanelToggle = 2;         // the panels' fold and unfold icons
constexpr int kPickToolbarQuit = 3;         // back to the editor main menu
// The animation panel.
constexpr int kPickAnimImage = 4;
constexpr int kPickAnimFramesMore = 6;
constexpr int kPickAnimFramesFewer = 7;
constexpr int kPickAnimOn = 8;
constexpr int kPickAnimOff = 9;
constexpr int kPickAnimFaster = 10;  // 100 ms less per frame
constexpr int kPickAnimSlower = 11;
// The image chooser.
constexpr int kPickChooserDown = 'S';
constexpr int kPickChooserUp = 'T';
constexpr int kPickChooserImage = 'U';  // G * 256 + B = the image
constexpr int kPickChooserClose = 'V';
// The welcome window and the tips bar.
constexpr int kPickWelcomeClose = 'X';
constexpr int kPickTipNext = 'd';
constexpr int kPickTipPrevious = 'e';

// ---- the world editor ----
constexpr int kPickMapNext = 0;
constexpr int kPickMapPrevious = 1;
constexpr int kPickPlaytest = 'w';
// The toolbar (with save, help and animation above).
constexpr int kPickToolbarEditMap = '5';
constexpr int kPickToolbarNewMap = '1';
constexpr int kPickToolbarDeleteMap = 'F';
constexpr int kPickToolbarFog = 'G';
constexpr int kPickToolbarGlobalLogic = '<';
constexpr int kPickToolbarAddObject = 'C';
constexpr int kPickToolbarCopyObject = 'Q';
constexpr int kPickToolbarDeleteObject = 'D';
constexpr int kPickToolbarLocalLogic = ';';
// The tile panel.
constexpr int kPickTileImage = 25;
constexpr int kPickTileStretchOn = 'a';
constexpr int kPickTileStretchOff = 'b';
// The object panel.
constexpr int kPickObjectImage = 27;
constexpr int kPickObjectImageQuiet = 28;  // the chooser without a sound
constexpr int kPickObjectLayerUp = 29;
constexpr int kPickObjectLayerDown = 30;
constexpr int kPickObjectWider = 31;
constexpr int kPickObjectNarrower = ' ';
constexpr int kPickObjectTaller = '!';
constexpr int kPickObjectShorter = '"';
constexpr int kPickObjectSolid = 'R';
constexpr int kPickObjectSolidWider = '\\';
constexpr int kPickObjectSolidNarrower = '^';
constexpr int kPickObjectSolidTaller = ']';
constexpr int kPickObjectSolidShorter = '_';
constexpr int kPickObjectRename = '`';
constexpr int kPickMacroOpen = 'f';
// The new-map and edit-map panels.
constexpr int kPickNewMapCreate = '2';
constexpr int kPickNewMapCopy = 'c';
constexpr int kPickEditMapResize = '6';
constexpr int kPickEditMapRename = 'W';
// The fog panel.
constexpr int kPickFogToggle = 'H';
constexpr int kPickFogDenser = 'I';
constexpr int kPickFogThinner = 'J';
constexpr int kPickFogRedMore = 'K';
constexpr int kPickFogRedLess = 'L';
constexpr int kPickFogGreenMore = 'M';
constexpr int kPickFogGreenLess = 'N';
constexpr int kPickFogBlueMore = 'O';
constexpr int kPickFogBlueLess = 'P';
// The macro menu.
constexpr int kPickMacroClose = 'g';
constexpr int kPickMacroApply = 'h';  // B = macro

// ---- the logic editor and its phrase windows ----
constexpr int kPickLogicWord = '>';    // G = sentence, B = slot
constexpr int kPickLogicAdd = '?';
constexpr int kPickLogicDelete = '@';  // B = sentence
constexpr int kPickLogicCopy = 'x';    // B = sentence
constexpr int kPickLogicExit = '=';    // B = the editor mode to return to (0 or 2)
constexpr int kPickPhraseEditor = 'i';  // B = 0 the phrase icon, 255 the editor's close icon
constexpr int kPickPhraseNext = 'j';
constexpr int kPickPhrasePrevious = 'k';
constexpr int kPickPhraseStore = 'l';   // the check mark of either window
constexpr int kPickPhraseChoiceNext = 'r';
constexpr int kPickPhraseChoicePrevious = 's';
constexpr int kPickPhraseSelectorClose = 't';
// The blue of the phrase windows' open and close icons.
constexpr int kPhraseIconOpen = 0;
constexpr int kPhraseIconClose = 255;

// ---- the menu editor ----
constexpr int kPickEditorButton = 22;    // B = button of the menu edited
constexpr int kPickEditorTextbox = 23;   // B = textbox
constexpr int kPickEditorTextline = 24;  // B = text line
constexpr int kPickMenuNext = 12;
constexpr int kPickMenuPrevious = 13;
constexpr int kPickMenuBackground = 14;
constexpr int kPickButtonImage = 16;
constexpr int kPickButtonWider = 18;
constexpr int kPickButtonNarrower = 19;
constexpr int kPickButtonTaller = 20;
constexpr int kPickButtonShorter = 21;
constexpr int kPickTextlineAdd = 'Y';
constexpr int kPickTextlineDelete = 'Z';
constexpr int kPickLeaveMenuSet = ':';  // quit icon of the toolkit's own menu sets

// True for the codes whose green byte carries data; the dispatch passes every
// other code on only with the menu mark in green.
constexpr bool pickCarriesData(int code) { return code == kPickChooserImage || code == kPickLogicWord; }

// One code as a screen reads it: its green (kPickMenuMark, or kPickAnyByte for
// data) and its blue (a fixed value, or kPickAnyByte for an index or data).
constexpr int kPickAnyByte = -1;
struct PickUse {
  int code;
  int green;
  int blue;
  const char* name;
};

// The codes of one screen.
struct PickList {
  const PickUse* first = nullptr;
  std::size_t count = 0;
  const PickUse* begin() const { return first; }
  const PickUse* end() const { return first + count; }
};
template <std::size_t N>
constexpr PickList pickList(const PickUse (&uses)[N]) {
  return {uses, N};
}

// What the toolkit dispatches in every game state.
constexpr PickUse kToolkitPicks[] = {
    {kPickBlocking.r, kPickBlocking.g, kPickBlocking.b, "blocking surface"},
    {kPickEmpty.r, kPickEmpty.g, kPickEmpty.b, "empty background"},
    {kPickButton, kPickMenuMark, kPickAnyByte, "menu button"},
    {kPickTextbox, kPickMenuMark, kPickAnyByte, "menu textbox"},
    {kPickSystemTextbox, kPickMenuMark, kPickAnyByte, "system textbox"},
    {kPickDialogLeft, kPickMenuMark, kPickMenuMark, "dialog button 0"},
    {kPickDialogRight, kPickMenuMark, kPickMenuMark, "dialog button 1"},
    {kPickNotice, kPickMenuMark, kPickMenuMark, "notice"},
    {kPickHelpTopic, kPickMenuMark, kPickAnyByte, "help topic"},
    {kPickHelpClose, kPickMenuMark, kPickMenuMark, "help close"},
    {kPickHelpOpen, kPickMenuMark, kPickMenuMark, "help open"},
    {kPickConsoleToggle, kPickMenuMark, kPickMenuMark, "console toggle"},
    {kPickConsoleOlder, kPickMenuMark, kPickMenuMark, "console older"},
    {kPickConsoleNewer, kPickMenuMark, kPickMenuMark, "console newer"},
    {kPickBrowserChoice, kPickMenuMark, kPickAnyByte, "browser check mark or cross"},
    {kPickBrowserRow, kPickMenuMark, kPickAnyByte, "browser row"},
    {kPickBrowserDown, kPickMenuMark, kPickMenuMark, "browser down"},
    {kPickBrowserUp, kPickMenuMark, kPickMenuMark, "browser up"},
};

// The codes both editors read: their shared icons and the animation panel.
constexpr PickUse kEditorPicks[] = {
    {kPickToolbarSave, kPickMenuMark, kPickMenuMark, "save"},
    {kPickToolbarAnimation, kPickMenuMark, kPickMenuMark, "animation editing"},
    {kPickPanelToggle, kPickMenuMark, kPickMenuMark, "fold or unfold the panels"},
    {kPickToolbarQuit, kPickMenuMark, kPickMenuMark, "editor main menu"},
    {kPickAnimImage, kPickMenuMark, kPickMenuMark, "animation image"},
    {kPickAnimFramesMore, kPickMenuMark, kPickMenuMark, "more frames"},
    {kPickAnimFramesFewer, kPickMenuMark, kPickMenuMark, "fewer frames"},
    {kPickAnimOn, kPickMenuMark, kPickMenuMark, "animation on"},
    {kPickAnimOff, kPickMenuMark, kPickMenuMark, "animation off"},
    {kPickAnimFaster, kPickMenuMark, kPickMenuMark, "faster animation"},
    {kPickAnimSlower, kPickMenuMark, kPickMenuMark, "slower animation"},
};

constexpr PickUse kImageChooserPicks[] = {
    {kPickChooserDown, kPickMenuMark, kPickMenuMark, "chooser rows down"},
    {kPickChooserUp, kPickMenuMark, kPickMenuMark, "chooser rows up"},
    {kPickChooserImage, kPickAnyByte, kPickAnyByte, "chooser image"},
    {kPickChooserClose, kPickMenuMark, kPickMenuMark, "chooser close"},
};

constexpr PickUse kWelcomePicks[] = {
    {kPickWelcomeClose, kPickMenuMark, kPickMenuMark, "welcome close"},
};

constexpr PickUse kTipsPicks[] = {
    {kPickTipNext, kPickMenuMark, kPickMenuMark, "next tip"},
    {kPickTipPrevious, kPickMenuMark, kPickMenuMark, "previous tip"},
};

constexpr PickUse kWorldEditorPicks[] = {
    {kPickMapNext, kPickMenuMark, kPickMenuMark, "next map"},
    {kPickMapPrevious, kPickMenuMark, kPickMenuMark, "previous map"},
    {kPickPlaytest, kPickMenuMark, kPickMenuMark, "play-test"},
    {kPickToolbarEditMap, kPickMenuMark, kPickMenuMark, "edit map"},
    {kPickToolbarNewMap, kPickMenuMark, kPickMenuMark, "new map"},
    {kPickToolbarDeleteMap, kPickMenuMark, kPickMenuMark, "delete map"},
    {kPickToolbarFog, kPickMenuMark, kPickMenuMark, "fog panel"},
    {kPickToolbarGlobalLogic, kPickMenuMark, kPickMenuMark, "global logic"},
    {kPickToolbarAddObject, kPickMenuMark, kPickMenuMark, "add object"},
    {kPickToolbarCopyObject, kPickMenuMark, kPickMenuMark, "copy objects"},
    {kPickToolbarDeleteObject, kPickMenuMark, kPickMenuMark, "delete objects"},
    {kPickToolbarLocalLogic, kPickMenuMark, kPickMenuMark, "local logic"},
    {kPickTileImage, kPickMenuMark, kPickMenuMark, "tile image"},
    {kPickTileStretchOn, kPickMenuMark, kPickMenuMark, "tile stretch on"},
    {kPickTileStretchOff, kPickMenuMark, kPickMenuMark, "tile stretch off"},
    {kPickObjectImage, kPickMenuMark, kPickMenuMark, "object image"},
    {kPickObjectImageQuiet, kPickMenuMark, kPickMenuMark, "object image without a sound"},
    {kPickObjectLayerUp, kPickMenuMark, kPickMenuMark, "layer up"},
    {kPickObjectLayerDown, kPickMenuMark, kPickMenuMark, "layer down"},
    {kPickObjectWider, kPickMenuMark, kPickMenuMark, "wider"},
    {kPickObjectNarrower, kPickMenuMark, kPickMenuMark, "narrower"},
    {kPickObjectTaller, kPickMenuMark, kPickMenuMark, "taller"},
    {kPickObjectShorter, kPickMenuMark, kPickMenuMark, "shorter"},
    {kPickObjectSolid, kPickMenuMark, kPickMenuMark, "solid"},
    {kPickObjectSolidWider, kPickMenuMark, kPickMenuMark, "solid wider"},
    {kPickObjectSolidNarrower, kPickMenuMark, kPickMenuMark, "solid narrower"},
    {kPickObjectSolidTaller, kPickMenuMark, kPickMenuMark, "solid taller"},
    {kPickObjectSolidShorter, kPickMenuMark, kPickMenuMark, "solid shorter"},
    {kPickObjectRename, kPickMenuMark, kPickMenuMark, "rename object"},
    {kPickMacroOpen, kPickMenuMark, kPickMenuMark, "macro menu"},
    {kPickNewMapCreate, kPickMenuMark, kPickMenuMark, "create map"},
    {kPickNewMapCopy, kPickMenuMark, kPickMenuMark, "copy map"},
    {kPickEditMapResize, kPickMenuMark, kPickMenuMark, "resize map"},
    {kPickEditMapRename, kPickMenuMark, kPickMenuMark, "rename map"},
    {kPickFogToggle, kPickMenuMark, kPickMenuMark, "fog on or off"},
    {kPickFogDenser, kPickMenuMark, kPickMenuMark, "denser fog"},
    {kPickFogThinner, kPickMenuMark, kPickMenuMark, "thinner fog"},
    {kPickFogRedMore, kPickMenuMark, kPickMenuMark, "more red"},
    {kPickFogRedLess, kPickMenuMark, kPickMenuMark, "less red"},
    {kPickFogGreenMore, kPickMenuMark, kPickMenuMark, "more green"},
    {kPickFogGreenLess, kPickMenuMark, kPickMenuMark, "less green"},
    {kPickFogBlueMore, kPickMenuMark, kPickMenuMark, "more blue"},
    {kPickFogBlueLess, kPickMenuMark, kPickMenuMark, "less blue"},
};

constexpr PickUse kMacroMenuPicks[] = {
    {kPickMacroClose, kPickMenuMark, kPickMenuMark, "macro menu close"},
    {kPickMacroApply, kPickMenuMark, kPickAnyByte, "apply macro"},
};

constexpr PickUse kLogicEditorPicks[] = {
    {kPickLogicWord, kPickAnyByte, kPickAnyByte, "word or operand"},
    {kPickLogicAdd, kPickMenuMark, kPickMenuMark, "add sentence"},
    {kPickLogicDelete, kPickMenuMark, kPickAnyByte, "delete sentence"},
    {kPickLogicCopy, kPickMenuMark, kPickAnyByte, "copy sentence"},
    {kPickLogicExit, kPickMenuMark, kPickAnyByte, "leave the logic editor"},
};

constexpr PickUse kPhraseWindowPicks[] = {
    {kPickPhraseEditor, kPickMenuMark, kPickAnyByte, "phrase editor open or close"},
    {kPickPhraseNext, kPickMenuMark, kPickMenuMark, "next phrase"},
    {kPickPhrasePrevious, kPickMenuMark, kPickMenuMark, "previous phrase"},
    {kPickPhraseStore, kPickMenuMark, kPickMenuMark, "store phrase"},
    {kPickPhraseChoiceNext, kPickMenuMark, kPickMenuMark, "next phrase choice"},
    {kPickPhraseChoicePrevious, kPickMenuMark, kPickMenuMark, "previous phrase choice"},
    {kPickPhraseSelectorClose, kPickMenuMark, kPhraseIconClose, "phrase selector close"},
};

constexpr PickUse kMenuEditorPicks[] = {
    {kPickEditorButton, kPickMenuMark, kPickAnyByte, "select button"},
    {kPickEditorTextbox, kPickMenuMark, kPickAnyByte, "select textbox"},
    {kPickEditorTextline, kPickMenuMark, kPickAnyByte, "select text line"},
    {kPickMenuNext, kPickMenuMark, kPickMenuMark, "next menu"},
    {kPickMenuPrevious, kPickMenuMark, kPickMenuMark, "previous menu"},
    {kPickMenuBackground, kPickMenuMark, kPickMenuMark, "menu background"},
    {kPickButtonImage, kPickMenuMark, kPickMenuMark, "button image"},
    {kPickButtonWider, kPickMenuMark, kPickMenuMark, "button wider"},
    {kPickButtonNarrower, kPickMenuMark, kPickMenuMark, "button narrower"},
    {kPickButtonTaller, kPickMenuMark, kPickMenuMark, "button taller"},
    {kPickButtonShorter, kPickMenuMark, kPickMenuMark, "button shorter"},
    {kPickTextlineAdd, kPickMenuMark, kPickMenuMark, "add text line"},
    {kPickTextlineDelete, kPickMenuMark, kPickMenuMark, "delete text line"},
    {kPickLeaveMenuSet, kPickMenuMark, kPickMenuMark, "leave the menu set"},
};

}  // namespace tf
