#include "views/windowstate.h"

#include "views/headlesssurface.h"

SurfaceFactory HeadlessSurfaceFactory()
{
    return [](const QString& name) -> std::unique_ptr<GridSurface> {
        if (name == QLatin1String("picPool"))
            return std::make_unique<HeadlessSurface>(400, 200);
        return std::make_unique<HeadlessSurface>();
    };
}
