// The fifteen sprite templates of the board: one per piece code, and the square marker.
#pragma once

#include <array>

#include "rules/board.h"

namespace xq {

struct SpriteTemplate {
    Piece piece;  // 0 for the marker
    const char* name;
    const char* picture;  // Qt resource path
};

inline constexpr std::array<SpriteTemplate, 15> spriteTemplates{{
    {RedKing, "红帅", ":/images/pieces/red_king.png"},
    {RedAdvisor, "红仕", ":/images/pieces/red_advisor.png"},
    {RedElephant, "红相", ":/images/pieces/red_elephant.png"},
    {RedHorse, "红马", ":/images/pieces/red_horse.png"},
    {RedChariot, "红车", ":/images/pieces/red_chariot.png"},
    {RedCannon, "红炮", ":/images/pieces/red_cannon.png"},
    {RedPawn, "红兵", ":/images/pieces/red_pawn.png"},
    {BlackKing, "黑将", ":/images/pieces/black_king.png"},
    {BlackAdvisor, "黑士", ":/images/pieces/black_advisor.png"},
    {BlackElephant, "黑象", ":/images/pieces/black_elephant.png"},
    {BlackHorse, "黑马", ":/images/pieces/black_horse.png"},
    {BlackChariot, "黑车", ":/images/pieces/black_chariot.png"},
    {BlackCannon, "黑炮", ":/images/pieces/black_cannon.png"},
    {BlackPawn, "黑卒", ":/images/pieces/black_pawn.png"},
    {0, "光标", ":/images/marker.png"},
}};

inline constexpr const char* MarkerTemplate = "光标";

// The template of a piece code, or nullptr for a code that has none.
constexpr const char* pieceTemplate(int piece) {
    for (const SpriteTemplate& t : spriteTemplates)
        if (piece != 0 && t.piece == piece) return t.name;
    return nullptr;
}

}  // namespace xq
