#pragma once
// The check that ends every test of forms and windows.

// Destroys the forms already marked for deletion, then fails the test when a form is still
// loaded or alive, or a top-level window is still visible.
void ExpectNoWindowLeft();
