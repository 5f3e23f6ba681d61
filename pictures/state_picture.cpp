#include "state_picture.h"

#include <memory>
#include <utility>

#include "shared_state.h"

namespace zorvik {

PictureDrawing PictureOfStateNow(const PictureDrawing& draw) {
    return [state = std::make_shared<const SharedState>(Shared), draw](Canvas& canvas) {
        SharedState live = std::exchange(Shared, *state);
        draw(canvas);
        Shared = std::move(live);
    };
}

}  // namespace zorvik
