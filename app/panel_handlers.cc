// The lookup buttons open their panels; the close buttons close them. Each
// handler writes every property in a fixed order and tests nothing: the
// window's size writes resize 超文本浏览框1 as they happen, so the order is
// part of the result.
#include "app/addresses.h"
#include "app/handlers.h"
#include "app/picture_locator.h"
#include "app/program_state.h"
#include "app/toolkit.h"
#include "text/gbk.h"

namespace modian {

using enum Control;
using enum Property;

namespace {

AnsiText TypedCharacter() { return GetText(编辑框1, kText); }

AnsiText HeaderText(std::string_view character, std::string_view suffix) {
  return Gbk("【") + AnsiText(character) + Gbk("】") + AnsiText(suffix);
}

void ClosePanel(Control strip, Control view) {
  SetFocus(编辑框1);
  SetProperty(strip, kVisible, false);
  SetProperty(view, kVisible, false);
  SetProperty(MainWindow, kWidth, CompactSize.width);
  SetProperty(MainWindow, kHeight, CompactSize.height);
}

}  // namespace

void OnDictionaryClicked() {
  SetProperty(超文本浏览框3, kVisible, true);
  SetProperty(外形框4, kVisible, true);
  SetProperty(超文本浏览框1, kVisible, false);
  SetProperty(超文本浏览框2, kVisible, false);
  SetProperty(超文本浏览框3, kHeight, 500);
  SetProperty(超文本浏览框3, kWidth, 840);
  SetProperty(超文本浏览框3, kLeft, -200);
  SetProperty(超文本浏览框3, kTop, -80);
  SetProperty(外形框4, kLeft, 0);
  SetProperty(外形框4, kTop, 0);
  SetProperty(MainWindow, kWidth, 610);
  SetProperty(MainWindow, kHeight, 420);
  SetProperty(透明标签5, kText, HeaderText(TypedCharacter(), ""));
  SetProperty(超文本浏览框3, kAddress, DictionaryAddress(TypedCharacter()));
}

void OnAnimationClicked() {
  SetProperty(透明标签4, kText, HeaderText(TypedCharacter(), Gbk("字的笔顺")));
  SetProperty(MainWindow, kWidth, 500);
  SetProperty(MainWindow, kHeight, 520);
  SetProperty(外形框3, kVisible, true);
  SetProperty(外形框4, kVisible, false);
  SetProperty(超文本浏览框3, kVisible, false);
  SetProperty(超文本浏览框1, kVisible, true);
  SetProperty(超文本浏览框2, kVisible, false);
  SetProperty(外形框3, kLeft, 0);
  SetProperty(外形框3, kTop, 0);
  SetProperty(超文本浏览框1, kWidth, 510);
  SetProperty(超文本浏览框1, kHeight, 530);
  SetProperty(超文本浏览框1, kLeft, -5);
  SetProperty(超文本浏览框1, kTop, -5);
  SetProperty(超文本浏览框1, kAddress, AnimationAddress(TypedCharacter()));
}

void OnPictureClicked() {
  SetProperty(透明标签3, kText, HeaderText(TypedCharacter(), Gbk("字的笔顺")));
  LocateStrokePicture();
  SetProperty(超文本浏览框2, kVisible, true);
  SetProperty(外形框4, kVisible, false);
  SetProperty(超文本浏览框3, kVisible, false);
  SetProperty(外形框2, kVisible, true);
  SetProperty(超文本浏览框2, kDisabled, true);
  SetProperty(外形框3, kVisible, false);
  SetProperty(超文本浏览框2, kWidth, 1200);
  SetProperty(超文本浏览框2, kHeight, 1200);
  SetProperty(超文本浏览框2, kAddress, StrokeImageUrl.value_or(AnsiText()));
  SetProperty(超文本浏览框2, kLeft, -10);
  SetProperty(超文本浏览框2, kTop, 15);
  SetProperty(外形框2, kLeft, 0);
  SetProperty(MainWindow, kWidth, 305);
  SetProperty(MainWindow, kHeight, 335);
}

void OnDictionaryPanelClosed() { ClosePanel(外形框4, 超文本浏览框3); }

void OnAnimationPanelClosed() { ClosePanel(外形框3, 超文本浏览框1); }

void OnPicturePanelClosed() { ClosePanel(外形框2, 超文本浏览框2); }

}  // namespace modian
