#include "radioview/ToneDecoderRack.h"

CToneDecoderRack::CToneDecoderRack(CAudioLog* log) : m_log(log) {}
