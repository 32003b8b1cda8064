#include "selection/CurveRequest.h"

#include "model/TMessAuswahl.h"
#include "selection/TAuswahlParam.h"

namespace corvane {

void SetCurveRequest(TMessAuswahl& selection, const TAuswahlParam& request) {
    selection.SetRequest(request.RequestedFlow, request.RequestedPressure, request.Tolerance,
                         request.SearchMode == SearchFixedSpeed ? request.FixedQuantity : -1);
}

} // namespace corvane
