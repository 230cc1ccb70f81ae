#pragma once
// Turns picture bytes compiled into the program (see cmake/Embed.cmake) into
// toolkit bitmaps. Bytes that do not decode give a bitmap that is not IsOk();
// callers test that and paint a plain colour instead.
#include <wx/bitmap.h>

#include <cstddef>
#include <memory>
#include <span>
#include <vector>

// Registers the PNG decoder with the toolkit unless it already is; decoding
// calls it, so start-up may but need not.
void addPngHandler();
// Replaces bitmap by the decoded picture, at the screen's depth. Returns
// bitmap.IsOk(). Bytes decoded once before are not decoded again.
bool bitmapFromPng(wxBitmap& bitmap, const unsigned char* bytes, std::size_t byteCount);
std::unique_ptr<wxBitmap> newBitmapFromPng(const unsigned char* bytes, std::size_t byteCount);
// Starts decoding the pictures on a worker thread (once per run), so that
// the windows built meanwhile find them ready; a picture asked for while the
// worker has it waits for it.
void decodePngsAhead(std::vector<std::span<const unsigned char>> pictures);
