#pragma once
// Random texts for checking a converter or writer against Qt's own: ASCII, characters that need
// escaping, Chinese, other characters of the basic plane, surrogate pairs and halves of a pair.
#include <QString>
#include <random>

QString RandomText(std::mt19937& random, int maxLength);
