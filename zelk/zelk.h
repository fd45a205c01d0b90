#ifndef ZELK_ZELK_H
#define ZELK_ZELK_H

// Every header of the engine.
#include "zelk/BinaryConverter.h"
#include "zelk/Math.h"
#include "zelk/TypeColor.h"
#include "zelk/TypeRect.h"
#include "zelk/TypeSize.h"
#include "zelk/TypeVars.h"
#include "zelk/TypeVec2.h"
#include "zelk/TypeVec3.h"
#include "zelk/TypeVec4.h"
#include "zelk/WrapInt.h"

#endif
