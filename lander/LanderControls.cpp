#include "lander/Lander.h"

void Lander::PlaceEngine() {
    engine.SetNozzle(BodyBottomCentre());
    engine.SetBaseDirection(Normal(BoxFace::Bottom));
    engine.SetPitchAxis(Normal(BoxFace::MinusZ));
}

void Lander::SwivelMast(double degrees) {
    mast->Swivel(degrees);
    head->RotateAbout(mast->swivelAxis, mast->BaseCentre(), degrees);
    UpdateCameraPoint();
}

void Lander::TiltMast(double degrees) {
    mast->TiltAboutSide(degrees);
    // The head follows the mast about the mast's axis as it is after the turn.
    head->RotateAbout(mast->SideAxis(), mast->BaseCentre(), degrees);
    UpdateCameraPoint();
}

void Lander::TiltHead(double degrees) {
    head->TiltAboutSide(degrees);
    UpdateCameraPoint();
}
