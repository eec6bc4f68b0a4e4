#include "dice/dice_scene.h"

#include "dice/die_mesh.h"
#include "dice/gl_headers.h"

void SetDiceState() {
  glClearColor(0, 0, 0, 1);
  glEnable(GL_COLOR_MATERIAL);
  glEnable(GL_LINE_SMOOTH);
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_LIGHTING);
}

void LoadMainCamera() {
  glLoadIdentity();
  glFrustum(-8, 8, -4, 4, 7, 25);
  glTranslatef(0, 0, -15);
  glTranslatef(0, -5, 0);
  glRotatef(42, 1, 0, 0);
}

void LoadSpriteCamera() {
  glLoadIdentity();
  glFrustum(-1.5, 1.5, -1.4, 2.6, 11, 25);
  glTranslatef(0, 0, -15);
  glRotatef(65, 1, 0, 0);
}

namespace {

// Light, pose and mesh; the caller has pushed the matrix (and mirrored it, for a reflection).
void DrawLitDie(const TZarnik& die) {
  // The light is placed before the die's own moves, so it stands still in the scene.
  glLightfv(GL_LIGHT0, GL_POSITION, die.LightPosition.data());
  glLightfv(GL_LIGHT0, GL_AMBIENT, die.LightAmbient.data());
  glTranslatef(die.PosX, die.Height, die.PosZ);
  glRotatef(die.AngleX, 1, 0, 0);
  glRotatef(die.AngleY, 0, 1, 0);
  glRotatef(die.AngleZ, 0, 0, 1);
  glEnable(GL_LIGHT0);
  DrawDieMesh(die);
  glDisable(GL_LIGHT0);
}

}  // namespace

void DrawDie(const TZarnik& die) {
  glPushMatrix();
  DrawLitDie(die);
  glPopMatrix();
}

void DrawMirroredDie(const TZarnik& die) {
  glPushMatrix();
  glScalef(1, -1, 1);
  DrawLitDie(die);
  glPopMatrix();
}

void DrawFloor(const TZarnik& die) {
  glPushMatrix();
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glColor4fv(die.FloorColor.data());
  glBegin(GL_QUADS);
  glVertex3f(-20, 0, -20);
  glVertex3f(-20, 0, 20);
  glVertex3f(20, 0, 20);
  glVertex3f(20, 0, -20);
  glEnd();
  glDisable(GL_BLEND);
  glPopMatrix();
}

void DrawDieInViewport(const TZarnik& die) {
  DrawMirroredDie(die);
  DrawFloor(die);
  DrawDie(die);
}

void DrawDiceScene(std::span<const TZarnik> throwDice) {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  for (const TZarnik& die : throwDice) DrawMirroredDie(die);
  if (!throwDice.empty()) DrawFloor(throwDice.front());
  for (const TZarnik& die : throwDice) DrawDie(die);
}

void DrawRowDice(std::span<const TZarnik> rowDice, int width, int height) {
  glDisable(GL_SCISSOR_TEST);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glEnable(GL_SCISSOR_TEST);
  int x = 0;
  for (const TZarnik& die : rowDice) {
    if (!die.Shown || die.Kept) continue;
    glViewport(x, 0, width, height);
    glScissor(x, 0, width, height);
    DrawDieInViewport(die);
    x += width;
  }
  glDisable(GL_SCISSOR_TEST);
}

void DrawPreviewDice(std::span<TZarnik> rowDice, int left, int bottom) {
  constexpr int kFirstPreviewDie = 2;
  glEnable(GL_SCISSOR_TEST);
  int x = left;
  for (std::size_t i = kFirstPreviewDie; i < rowDice.size(); ++i) {
    TZarnik& die = rowDice[i];
    if (!die.Shown || die.Kept) continue;
    glViewport(x, bottom, DieSpriteWidth, DieSpriteHeight);
    glScissor(x, bottom, DieSpriteWidth, DieSpriteHeight);
    DrawDieInViewport(die);
    die.Turn();
    x += DieSpriteWidth;
  }
  glDisable(GL_SCISSOR_TEST);
}
