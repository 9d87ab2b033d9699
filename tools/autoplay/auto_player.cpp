#include "auto_player.h"

#include <cstdio>

#include "core/game_state.h"
#include "core/hero.h"
#include "core/quest.h"
#include "data/monster_catalogue.h"
#include "data/weapon_catalogue.h"
#include "game/game_loop.h"
#include "platform/key_codes.h"
#include "screens/battle_screen.h"
#include "screens/shared_screens.h"
#include "screens/shop_screen.h"
#include "screens/story_screen.h"

namespace {

const std::string ENTER(1, char(KEY_ENTER));
const std::string DOWN = {char(KEY_ARROW_PREFIX), char(KEY_DOWN)};

constexpr int POTIONS_WANTED = 3;

const MonsterStats& currentMonster() {
    return g_monsters->stats(g_battle->monsterIndex);
}

}  // namespace

AutoPlayer::AutoPlayer(Style style, std::size_t maxKeys, bool recordFrames)
    : style_(style), maxKeys_(maxKeys), record_(recordFrames) {
    weaponBoughtAfter_.fill(-1);
}

std::string keysToChoose(const MenuRecord& menu, int item) {
    const int size = static_cast<int>(menu.choices.size());
    if (size == 0 || menu.highlighted < 0) {
        return "";
    }
    std::string keys;
    for (int i = 0; i < ((item - menu.highlighted) % size + size) % size; ++i) {
        keys += DOWN;
    }
    return keys + ENTER;
}

std::string AutoPlayer::choose(const VirtualConsole& console, int item) const {
    const std::string keys = keysToChoose(console.record().menu, item);
    return keys.empty() ? ENTER : keys;  // no menu: a page or a notice
}

// A weapon is worth buying only with a potion's money left over.
bool weaponAffordable(const Hero& hero, int weaponLimit) {
    if (hero.weapon >= LAST_WEAPON || hero.weapon >= weaponLimit) {
        return false;
    }
    const std::int32_t reserve = hero.potions < POTIONS_WANTED ? POTION_PRICE : 0;
    return hero.money >= g_weapons->stats(hero.weapon + 1).price + reserve;
}

bool potionWanted(const Hero& hero) {
    return hero.potions < POTIONS_WANTED && hero.money >= POTION_PRICE;
}

bool AutoPlayer::wantsToShop() const {
    return style_ == Style::Careful &&
           (weaponAffordable(*g_hero, weaponLimit_) || potionWanted(*g_hero));
}

bool AutoPlayer::readyForStoryFight() const {
    if (style_ == Style::Reckless) {
        return true;
    }
    // The demon wants one of the two best weapons; every story enemy wants
    // potions in the bag and most of the hero's health.
    const Hero& hero = *g_hero;
    const int weaponNeeded = g_questStage == 2 ? demonWeapon_ : g_questStage + 1;
    const int potionsNeeded = g_questStage == 2 ? 3 : 2;
    return hero.weapon >= weaponNeeded && hero.potions >= potionsNeeded &&
           hero.hp >= hero.maxHp - 15;
}

std::string AutoPlayer::town(const VirtualConsole& console) {
    const Hero& hero = *g_hero;
    if (wantsToShop()) {
        return choose(console, 1);
    }
    const bool errandOpen = hero.questTaken != 0;
    if (g_questStage < 2 && (!errandOpen || hero.trophy != 0)) {
        return choose(console, 3);  // to the quest giver: ask, or hand in
    }
    return choose(console, 2);  // hunting
}

std::string AutoPlayer::shop(const VirtualConsole& console) const {
    const Hero& hero = *g_hero;
    if (hero.potions < 2 && hero.money >= POTION_PRICE) {
        return choose(console, 1);
    }
    if (weaponAffordable(hero, weaponLimit_)) {
        return choose(console, 2);
    }
    if (potionWanted(hero)) {
        return choose(console, 1);
    }
    return choose(console, 3);
}

std::string AutoPlayer::hunt(const VirtualConsole& console) const {
    const Hero& hero = *g_hero;
    if (style_ == Style::Careful && wantsToShop()) {
        return choose(console, 2);  // back to town, to the shop
    }
    if (g_questStage < 2 && hero.trophy != 0) {
        return choose(console, 2);  // the trophy goes to its quest giver first
    }
    return choose(console, readyForStoryFight() ? 1 : 0);
}

std::string AutoPlayer::battle(const VirtualConsole& console) const {
    if (style_ == Style::Reckless) {
        return choose(console, 0);
    }
    const Hero& hero = *g_hero;
    const MonsterStats& monster = currentMonster();
    const bool blowCouldKill = hero.hp <= monster.damageMax;
    const bool wounded = hero.hp <= monster.damageMax * 2 || hero.hp <= hero.maxHp / 2;
    if (wounded && hero.potions > 0 && hero.hp <= hero.maxHp - 15) {
        return choose(console, 1);
    }
    if (blowCouldKill && hero.money >= POTION_PRICE) {
        return choose(console, 2);  // run, and buy a potion before the next fight
    }
    return choose(console, 0);
}

std::string AutoPlayer::indian(const VirtualConsole& console) {
    const Hero& hero = *g_hero;
    if (g_questStage == 1 && (hero.questTaken == 0 || hero.trophy != 0)) {
        return choose(console, 0);
    }
    if (g_questStage == 2 && prophecyEnters_ < 3) {
        ++prophecyEnters_;  // the hand-in shows the first part, three more follow
        return choose(console, 0);
    }
    return choose(console, 1);
}

std::string AutoPlayer::decide(const VirtualConsole& console) {
    if (!g_hero) {
        return ENTER;  // the title, or a data file's message
    }
    switch (g_screen) {
        case SCREEN_TOWN:
            return town(console);
        case SCREEN_SHOP:
            return shop(console);
        case SCREEN_HUNT:
            return hunt(console);
        case SCREEN_BATTLE:
            return battle(console);
        case SCREEN_SEER: {
            const Hero& hero = *g_hero;
            const bool useful = g_questStage == 0 && (hero.questTaken == 0 || hero.trophy != 0);
            return choose(console, useful ? 0 : 1);
        }
        case SCREEN_INDIAN:
            return indian(console);
        case SCREEN_EXIT_CONFIRM:
            return choose(console, 1);
        default:
            return ENTER;  // the story pages and the stranger
    }
}

void AutoPlayer::present(const VirtualConsole& console) {
    if (record_) {
        frames_.push_back(console.grid());
    }
    if (watcher_) {
        watcher_(console);
    }
    if (g_hero && g_hero->weapon != lastWeapon_) {
        lastWeapon_ = g_hero->weapon;
        if (lastWeapon_ >= 0 && lastWeapon_ < int(weaponBoughtAfter_.size())) {
            weaponBoughtAfter_[lastWeapon_] = fights_;
        }
    }
    if (g_screen == SCREEN_BATTLE && lastScreen_ != SCREEN_BATTLE) {
        ++fights_;
        if (g_questStage >= 0 && g_questStage < int(fightsPerStage_.size())) {
            ++fightsPerStage_[g_questStage];
        }
        if (g_battle->monsterIndex == MONSTER_DEMON && weaponAtDemon_ < 0) {
            weaponAtDemon_ = g_hero->weapon;
        }
        if (trace_) {
            std::fprintf(stderr,
                         "fight %d: monster %d, hp %d, money %d, weapon %d, potions %d, stage %d\n",
                         fights_, g_battle->monsterIndex, g_hero->hp, g_hero->money, g_hero->weapon,
                         g_hero->potions, g_questStage);
        }
    }
    if (g_story && g_screen == SCREEN_QUIT) {
        outcome_ = g_story->page >= DEATH_PAGE ? Outcome::Death : Outcome::Victory;
    }
    lastScreen_ = g_screen;
    if (pending_.empty() && outcome_ == Outcome::Running) {
        pending_ = decide(console);
    }
}

int AutoPlayer::readKey() {
    if (pending_.empty() || keysPressed_ >= maxKeys_) {
        if (outcome_ == Outcome::Running) {
            outcome_ = Outcome::Stuck;
        }
        return END_OF_INPUT;
    }
    ++keysPressed_;
    const unsigned char key = static_cast<unsigned char>(pending_.front());
    pending_.erase(0, 1);
    return key;
}

AutoGame playAutoGame(AutoPlayer::Style style, std::uint32_t seed, const AutoGameOptions& options) {
    AutoPlayer player(style);
    player.setTrace(options.trace);
    player.setDemonWeapon(options.demonWeapon);
    player.setWeaponLimit(options.weaponLimit);
    const int status = runGame(player, seed);
    return {player.outcome(),        player.fightsStarted(), player.keysPressed(),      status,
            player.fightsPerStage(), player.weaponAtDemon(), player.weaponBoughtAfter()};
}
