#include "screens/shop_screen.h"

#include "core/game_state.h"
#include "core/hero.h"
#include "core/roubles.h"
#include "core/text_format.h"
#include "data/weapon_catalogue.h"
#include "platform/key_codes.h"
#include "platform/russian_text.h"

namespace {

enum ShopChoice { ASK_WHO, BUY_POTION, BUY_WEAPON, LEAVE };
constexpr std::int32_t SHOPKEEPER_PORTRAIT = 3;

}  // namespace

ShopScreen::ShopScreen() {
    addItem(MenuItem(RU("Ты чего тут делаешь?"), true));
    addItem(MenuItem(FORMAT_RU("Купить лечебное зелье (%i рублей)", POTION_PRICE), false));
    addItem(MenuItem("", false));
    addItem(MenuItem(RU("Уйти из магазина"), false));
    lines[0].assign(RU("Привет, Джек. Что бы ты хотел купить?"));
}

void ShopScreen::buyPotion() {
    if (g_hero->money >= POTION_PRICE) {
        lines[0].assign(RU("Получен предмет \"Лечебное зелье\"."));
        g_hero->money -= POTION_PRICE;
        ++g_hero->potions;
    } else {
        lines[0].assign(RU("Тебе не хватает денег."));
    }
}

void ShopScreen::buyNextWeapon() {
    if (g_hero->weapon >= LAST_WEAPON) {
        lines[0].assign(RU("У тебя это уже есть."));
        return;
    }
    const std::int32_t next = g_hero->weapon + 1;
    const std::int32_t price = g_weapons->stats(next).price;
    if (g_hero->money < price) {
        lines[0].assign(RU("У тебя на это денег не хватит."));
        return;
    }
    g_hero->weapon = next;
    lines[0].assign(RU("Получен предмет \""));
    lines[0].append(g_weapons->name(next)).append("\".");
    // A negative price from a damaged file must not conjure up money.
    g_hero->money -= price > 0 ? price : 0;
}

void ShopScreen::run() {
    if (g_key == KEY_ENTER) {
        switch (cursor) {
            case ASK_WHO:
                lines[0].assign(RU("Я тут работаю продавцом."));
                break;
            case BUY_POTION:
                buyPotion();
                break;
            case BUY_WEAPON:
                buyNextWeapon();
                break;
            case LEAVE:
                g_screen = SCREEN_TOWN;
                break;
            default:
                break;
        }
    }
    printLines();

    const std::int32_t offered = g_hero->weapon < LAST_WEAPON ? g_hero->weapon + 1 : LAST_WEAPON;
    const std::int32_t price = g_weapons->stats(offered).price;
    setItem(BUY_WEAPON,
            MenuItem(FORMAT_RU("Купить \"%s\" за %i %s", g_weapons->name(offered).text(), price,
                               roubleWord(price)),
                     items[BUY_WEAPON].selected));
    drawMenu();
    drawPortrait(SHOPKEEPER_PORTRAIT);
}
