#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace zodiora::cli {

/// A short text of the program's own, held in `Room` bytes and copied
/// whole: a section writing hundreds of such texts per chart copies each at
/// a fixed size into room reserved beforehand and moves on by its true
/// length, instead of growing a string piece by piece.
template <std::size_t Room>
struct FixedPiece {
    char text[Room] = {};
    std::size_t length = 0;
};

/// The texts one after the other; they must fit in `Room`.
template <std::size_t Room>
FixedPiece<Room> PieceOf(std::initializer_list<std::string_view> parts)
{
    FixedPiece<Room> piece;
    for (const std::string_view part : parts) piece.length += part.copy(piece.text + piece.length, Room - piece.length);
    return piece;
}

/// A table of `Count` pieces, piece k made by `make(k)`.
template <typename Piece, std::size_t Count, typename Make>
std::array<Piece, Count> PiecesOf(Make make)
{
    std::array<Piece, Count> pieces;
    for (std::size_t k = 0; k < Count; ++k) pieces[k] = make(k);
    return pieces;
}

template <std::size_t Room>
char* Put(char* at, const FixedPiece<Room>& piece)
{
    std::memcpy(at, piece.text, Room);
    return at + piece.length;
}

/// Room for `bytes` more at the end of `out`; the cursor there. Finish with EndPieces.
inline char* BeginPieces(std::string& out, std::size_t bytes)
{
    const std::size_t begin = out.size();
    out.resize(begin + bytes);
    return out.data() + begin;
}

/// Cuts `out` back to what was written up to `at`.
inline void EndPieces(std::string& out, const char* at)
{
    out.resize(static_cast<std::size_t>(at - out.data()));
}

}  // namespace zodiora::cli
