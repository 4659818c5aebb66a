#pragma once
// Stages that show one behaviour each in the running game, for its tests and screenshots: the
// factory project with them in a project folder of its own, fixtures/.

// Writes them into default\ of the current folder, whose factory files must be written first
// (the database gets an effect and a picture to show): AutoScroll.stg4, a stage that scrolls by
// itself and pushes the hero into a wall; Show.stg4, whose hero stands on an item that shows an
// effect, a picture and a message that waits for a key; HitBoxes.stg4, whose hero shows its
// three hit boxes; Leavers.stg4, whose hero shoots into a wall and walks on, leaving enemies and
// items behind the view, where they go; Goal.stg4, whose hero stands on an item that clears the
// stage at once.
bool WriteFixtureStages();
