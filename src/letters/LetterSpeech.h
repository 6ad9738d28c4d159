#pragma once
// How a letter is spoken: a lead-in phrase, then the letter's name (lsNames) or sound (lsSounds),
// in the voice chosen now. The learning board tells a letter; the examination asks for one.
struct TAppContext;
class TLetter;

enum TSayPurpose : short { spTell = 1, spAsk = 2 };

// Plays the pair of recordings for Letter; nothing for a purpose or a letter-set mode it does not know.
void SayLetter(TAppContext& Context, const TLetter& Letter, short Purpose);
