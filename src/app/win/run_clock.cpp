#include "app/win/run_clock.h"

#include <exception>
#include <memory>

#include "app/win/application.h"
#include "app/win/main_stage.h"
#include "app/win/single_instance.h"
#include "base/product_identity.h"
#include "base/win/common_controls.h"
#include "base/win/error_box.h"

namespace velmira {

int RunVelmiraClock(HINSTANCE instance, const StageEnvironment& environment) {
    SingleInstance single(UserMutexName(kUserMutexName));
    if (!single.First()) {
        ActivateRunningCopy(kMainStageClass);
        return 0;
    }
    TApplication application;
    try {
        application.Initialize(instance);
        application.SetTitle(kProductName);
        InitCommonControlClasses();

        auto stage = std::make_unique<TMainStage>(application, environment);
        if (!stage->Create()) {
            if (stage->ClosedDuringStart()) return 0;
            ShowErrorBox(nullptr, L"メインウィンドウを作成できません。", application.Title());
            return 1;
        }
        application.SetMainForm(stage->Handle());
        application.Run();
        application.SetMainForm(nullptr);
    } catch (const std::exception& e) {
        ShowErrorBox(nullptr, e, application.Title());
        return 1;
    }
    return 0;
}

}  // namespace velmira
