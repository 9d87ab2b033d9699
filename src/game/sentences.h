#pragma once

#include <string>
#include <vector>

#include "platform/frame_record.h"

// The sentences a screen reader says of a frame, built from its record, in
// Russian as the game's own texts are. Each ends with its punctuation, so
// that a reader pauses between them.

// The text trimmed, with a full stop added where it ends without one; ""
// for a text of blanks.
std::string sentence(const std::string& text);
// The message lines as one paragraph, the blanks at the lines' ends and
// empty lines dropped: a sentence the box breaks over two lines is said
// whole. "" where no line says anything.
std::string paragraph(const std::vector<std::string>& lines);
// The highlighted choice: "2 из 5: Пойду в магазин."; "" without one.
std::string choiceSaid(const MenuRecord& menu);
// "Здоровье: 50 из 50."
std::string hitPointsSaid(const HeroRecord& hero);
// "Деньги: 500 рублей."
std::string moneySaid(const HeroRecord& hero);
// "Лечебных зелий: 1."
std::string potionsSaid(const HeroRecord& hero);
// "Оружие: Ржавый тесак, урон от 5 до 10."
std::string weaponSaid(const HeroRecord& hero);
// "У врага 30 HP."
std::string enemySaid(const EnemyRecord& enemy);
// Everything the status column tells, and in a fight the enemy's hit
// points; "" where the status column is not on view.
std::string statusSaid(const FrameRecord& frame);
// The whole screen again: the title's words; or the one-frame answers, the
// message lines, every choice and which one is highlighted; and the end.
std::string screenSaid(const FrameRecord& frame);
