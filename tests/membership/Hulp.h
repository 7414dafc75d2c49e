// Small helpers shared by the membership core tests.
#pragma once

#include <cstring>
#include <string>

#include "model/Model.h"

inline std::string Tekst(const TNaam& naam) {
    return std::string(naam, strnlen(naam, MaxNaamLengte));
}
