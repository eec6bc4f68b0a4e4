#include "dice/die_sprites.h"

#include <cstdio>
#include <string>
#include <vector>

#include "base/image.h"
#include "dice/dice_scene.h"
#include "dice/gl_headers.h"
#include "gfx/surface_collection.h"
#include "platform/window.h"

std::string DieSpriteName(int face, int frame) {
  char name[24];
  std::snprintf(name, sizeof name, "%d_%d", face, frame);
  return name;
}

int DieSpriteFrame(const TZarnik& die) { return die.SpinAngle() / DieSpriteFrameDegrees; }

namespace {

// A 66 x 88 colour and depth target in the context that is current while it lives.
class TSpriteTarget {
public:
  TSpriteTarget() {
    glGenFramebuffers(1, &FFramebuffer);
    glGenRenderbuffers(2, FBuffers);
    glBindRenderbuffer(GL_RENDERBUFFER, FBuffers[0]);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, DieSpriteWidth, DieSpriteHeight);
    glBindRenderbuffer(GL_RENDERBUFFER, FBuffers[1]);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, DieSpriteWidth, DieSpriteHeight);
    glBindRenderbuffer(GL_RENDERBUFFER, 0);
    glBindFramebuffer(GL_FRAMEBUFFER, FFramebuffer);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, FBuffers[0]);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, FBuffers[1]);
    FComplete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
  }
  ~TSpriteTarget() {
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glDeleteFramebuffers(1, &FFramebuffer);
    glDeleteRenderbuffers(2, FBuffers);
  }
  TSpriteTarget(const TSpriteTarget&) = delete;
  TSpriteTarget& operator=(const TSpriteTarget&) = delete;

  bool Complete() const { return FComplete; }

  // Binds the target with the sprite's state and camera; the pump may have changed them.
  void Bind() const {
    glBindFramebuffer(GL_FRAMEBUFFER, FFramebuffer);
    glViewport(0, 0, DieSpriteWidth, DieSpriteHeight);
    SetDiceState();
    LoadSpriteCamera();
  }

  // The drawn frame, top row first, 0x00RRGGBB; unbinds the target.
  TImage Read() const {
    TImage image{DieSpriteWidth, DieSpriteHeight, std::vector<std::uint32_t>(DieSpriteWidth * DieSpriteHeight)};
    std::vector<std::uint32_t> rows(image.Pixels.size());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, DieSpriteWidth, DieSpriteHeight, GL_BGRA, GL_UNSIGNED_BYTE, rows.data());
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    for (int y = 0; y < DieSpriteHeight; ++y)
      for (int x = 0; x < DieSpriteWidth; ++x)
        image.Pixels[y * DieSpriteWidth + x] = rows[(DieSpriteHeight - 1 - y) * DieSpriteWidth + x] & 0x00FFFFFFu;
    return image;
  }

private:
  GLuint FFramebuffer = 0;
  GLuint FBuffers[2] = {0, 0};
  bool FComplete = false;
};

}  // namespace

bool RenderDieSprites(TGameWindow& window, std::span<TZarnik> rowDice, TSurfaceSortCollection& sprites,
                      const std::function<void()>& pump) {
  sprites.Clear();
  if (rowDice.empty() || !window.MakeContextCurrent()) return false;
  TSpriteTarget target;
  if (!target.Complete()) return false;
  TZarnik& die = rowDice[0];
  for (int face = 1; face <= 6; ++face) {
    die.SetPose(face);
    die.Shown = true;
    die.Kept = false;
    die.SetVerticalSpin(DieSpriteFrameDegrees);
    for (int frame = 0; frame < DieSpriteFrames; ++frame) {
      if (!window.MakeContextCurrent()) {
        sprites.Clear();
        return false;
      }
      target.Bind();
      // The other row dice would land in viewports right of the target and be clipped away.
      DrawRowDice(rowDice.first(1), DieSpriteWidth, DieSpriteHeight);
      sprites.AddSurface(DieSpriteName(face, frame), target.Read());
      die.Turn();
      if (frame % 5 == 0 && pump) pump();
    }
  }
  return true;
}
