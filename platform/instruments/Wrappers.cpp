#include "platform/instruments/CiAngularGaugeX.h"
#include "platform/instruments/CiKnobX.h"
#include "platform/instruments/CiLabelX.h"
#include "platform/instruments/CiLedBarX.h"
#include "platform/instruments/CiLedRectangleX.h"
#include "platform/instruments/CiLedRoundX.h"
#include "platform/instruments/CiPhonePadX.h"
#include "platform/instruments/CiSevenSegmentAnalogX.h"
#include "platform/instruments/CiSevenSegmentIntegerX.h"
#include "platform/instruments/CiSwitchToggleX.h"

using hb::instruments::InstrumentWrapper;

IMPLEMENT_DYNAMIC(CiKnobX, InstrumentWrapper)
IMPLEMENT_DYNAMIC(CiLedRectangleX, InstrumentWrapper)
IMPLEMENT_DYNAMIC(CiSevenSegmentAnalogX, InstrumentWrapper)
IMPLEMENT_DYNAMIC(CiSevenSegmentIntegerX, InstrumentWrapper)
IMPLEMENT_DYNAMIC(CiAngularGaugeX, InstrumentWrapper)
IMPLEMENT_DYNAMIC(CiLedBarX, InstrumentWrapper)
IMPLEMENT_DYNAMIC(CiSwitchToggleX, InstrumentWrapper)
IMPLEMENT_DYNAMIC(CiLabelX, InstrumentWrapper)
IMPLEMENT_DYNAMIC(CiPhonePadX, InstrumentWrapper)
IMPLEMENT_DYNAMIC(CiLedRoundX, InstrumentWrapper)
