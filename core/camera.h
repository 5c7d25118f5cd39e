// The view camera: it looks straight down the -z axis onto the point under its
// position. A stored second position lets play-testing return the editor view.
#pragma once

namespace tf {

class Camera {
 public:
  void SetPos(float x, float y, float z) { camx = x; camy = y; camz = z; }
  void GetPos(float& x, float& y, float& z) const { x = camx; y = camy; z = camz; }
  void SetLook(float x, float y, float z) { lookatx = x; lookaty = y; lookatz = z; }
  void GetLook(float& x, float& y, float& z) const { x = lookatx; y = lookaty; z = lookatz; }
  void SetUp(float x, float y, float z) { camupx = x; camupy = y; camupz = z; }
  void GetUp(float& x, float& y, float& z) const { x = camupx; y = camupy; z = camupz; }
  void SetRot(float x, float y) { rotx = x; roty = y; }
  void GetRot(float& x, float& y) const { x = rotx; y = roty; }
  void SetStorPos(float x, float y, float z) { storx = x; story = y; storz = z; }
  void GetStorPos(float& x, float& y, float& z) const { x = storx; y = story; z = storz; }

 private:
  float camx = 0, camy = 0, camz = 0;
  float lookatx = 0, lookaty = 0, lookatz = 0.15f;
  float camupx = 0, camupy = 1, camupz = 0;
  float rotx = 0, roty = 0;
  float storx = 0, story = 0, storz = 0;
};

extern Camera camera;

// Height of the eye above the point the camera looks at.
constexpr float kCameraEyeHeight = 0.15f;

}  // namespace tf
