<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name></name>
    <message id="search">
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message id="history">
        <source>History</source>
        <translation>History</translation>
    </message>
    <message id="tabs">
        <extracomment>The tab bar, for screen readers</extracomment>
        <source>Tabs</source>
        <translation>Tabs</translation>
    </message>
    <message id="navigation_title_vellumar">
        <source>Vellumar</source>
        <translation>Vellumar</translation>
    </message>
    <message id="search_placeholder">
        <source>App name or App Store link</source>
        <translation>App name or App Store link</translation>
    </message>
    <message id="searching">
        <source>Searching…</source>
        <translation>Searching…</translation>
    </message>
    <message id="search_history">
        <source>Recent Searches</source>
        <translation>Recent Searches</translation>
    </message>
    <message id="apps_found">
        <extracomment>The result list, for screen readers</extracomment>
        <source>Apps Found</source>
        <translation>Apps Found</translation>
    </message>
    <message id="no_search_history">
        <source>No recent searches</source>
        <translation>No recent searches</translation>
    </message>
    <message id="ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="show_in_folder">
        <source>Show in Folder</source>
        <translation>Show in Folder</translation>
    </message>
    <message id="photo_folder">
        <source>Photos are saved to</source>
        <translation>Photos are saved to</translation>
    </message>
    <message id="shape_preview">
        <source>The shape of a saved icon</source>
        <translation>The shape of a saved icon</translation>
    </message>
    <message id="detail_placeholder">
        <source>Pick an app to see its details.</source>
        <translation>Pick an app to see its details.</translation>
    </message>
    <message id="app_details">
        <extracomment>The detail pane, for screen readers</extracomment>
        <source>App Details</source>
        <translation>App Details</translation>
    </message>
    <message id="copy_icon">
        <source>Copy Icon</source>
        <translation>Copy Icon</translation>
    </message>
    <message id="copy_store_link">
        <source>Copy Store Link</source>
        <translation>Copy Store Link</translation>
    </message>
    <message id="open_in_browser">
        <source>Open in Browser</source>
        <translation>Open in Browser</translation>
    </message>
    <message id="delete">
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message id="save_screenshot">
        <source>Save Screenshot</source>
        <translation>Save Screenshot</translation>
    </message>
    <message id="copy_image">
        <source>Copy Image</source>
        <translation>Copy Image</translation>
    </message>
    <message id="screenshot_save_hint">
        <source>Press and hold the picture, or right-click it, to save it.</source>
        <translation>Press and hold the picture, or right-click it, to save it.</translation>
    </message>
    <message id="save_icon_of">
        <extracomment>A row's save button, for screen readers: %1 the app, %2 what it saves</extracomment>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message id="delete_from_history">
        <source>Delete %1 from history</source>
        <translation>Delete %1 from history</translation>
    </message>
    <message id="initial_search_message">
        <source>Type an app name or paste an App Store link to start.</source>
        <translation>Type an app name or paste an App Store link to start.</translation>
    </message>
    <message id="url_found_message">
        <source>Found the app from the link.</source>
        <translation>Found the app from the link.</translation>
    </message>
    <message id="url_failure_message">
        <extracomment>%1: the error's description</extracomment>
        <source>Could not open the link: %1</source>
        <translation>Could not open the link: %1</translation>
    </message>
    <message id="search_error_message">
        <extracomment>%1: the error's description</extracomment>
        <source>Search failed: %1</source>
        <translation>Search failed: %1</translation>
    </message>
    <message id="search_no_results_message">
        <extracomment>%1: the region's name, %2: the search term</extracomment>
        <source>No apps found for “%2” in %1.</source>
        <translation>No apps found for “%2” in %1.</translation>
    </message>
    <message id="url_invalid">
        <source>The request address is invalid.</source>
        <translation>The request address is invalid.</translation>
    </message>
    <message id="app_not_found">
        <source>The app could not be found.</source>
        <translation>The app could not be found.</translation>
    </message>
    <message id="success">
        <source>Success</source>
        <translation>Success</translation>
    </message>
    <message id="error">
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message id="save_success_message_icon">
        <source>The icon was saved to your photo library.</source>
        <translation>The icon was saved to your photo library.</translation>
    </message>
    <message id="save_success_message_original">
        <source>The original artwork was saved to your photo library.</source>
        <translation>The original artwork was saved to your photo library.</translation>
    </message>
    <message id="save_success_message_mac">
        <source>The icon was saved to your photo library as its maker shaped it.</source>
        <translation>The icon was saved to your photo library as its maker shaped it.</translation>
    </message>
    <message id="download_fail_message_icon">
        <source>The icon could not be downloaded.</source>
        <translation>The icon could not be downloaded.</translation>
    </message>
    <message id="download_fail_message_original">
        <source>The original artwork could not be downloaded.</source>
        <translation>The original artwork could not be downloaded.</translation>
    </message>
    <message id="save_fail_message">
        <extracomment>%1: the error's description</extracomment>
        <source>Could not save: %1</source>
        <translation>Could not save: %1</translation>
    </message>
    <message id="history_fail_message">
        <extracomment>A save whose file was written and whose history entry was not</extracomment>
        <source>The icon was saved, but the download history could not be updated.</source>
        <translation>The icon was saved, but the download history could not be updated.</translation>
    </message>
    <message id="batch_save_summary">
        <extracomment>%1: how many icons were saved; %2: how many there were</extracomment>
        <source>%1 of %2 icons were saved.</source>
        <translation>%1 of %2 icons were saved.</translation>
    </message>
    <message id="batch_save_failure">
        <extracomment>One failure of a batch save. %1: the app's name; %2: why it was not saved</extracomment>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message id="batch_cancelled">
        <extracomment>The title of a batch save's summary after Cancel</extracomment>
        <source>Cancelled</source>
        <translation>Cancelled</translation>
    </message>
    <message id="batch_cancelled_summary">
        <extracomment>%1: how many icons were saved before the cancel; %2: how many there were</extracomment>
        <source>Cancelled: %1 of %2 icons were saved.</source>
        <translation>Cancelled: %1 of %2 icons were saved.</translation>
    </message>
    <message id="select">
        <source>Select</source>
        <translation>Select</translation>
    </message>
    <message id="select_all">
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message id="deselect_all">
        <source>Deselect All</source>
        <translation>Deselect All</translation>
    </message>
    <message id="batch_progress">
        <extracomment>While a batch saves. %1: how many are done; %2: how many there are</extracomment>
        <source>%1 of %2 saved</source>
        <translation>%1 of %2 saved</translation>
    </message>
    <message id="save_n_icons" numerus="yes">
        <extracomment>The button that saves the chosen rows. %n: how many</extracomment>
        <source>Save %n Icons</source>
        <translation>
            <numerusform>Save %n Icon</numerusform>
            <numerusform>Save %n Icons</numerusform>
        </translation>
    </message>
    <message id="permission_denied_message">
        <source>Vellumar is not allowed to add photos to your photo library.</source>
        <translation>Vellumar is not allowed to add photos to your photo library.</translation>
    </message>
    <message id="image_data_error">
        <source>The image data cannot be used.</source>
        <translation>The image data cannot be used.</translation>
    </message>
    <message id="save_fail_generic">
        <source>The photo could not be written to your photo library.</source>
        <translation>The photo could not be written to your photo library.</translation>
    </message>
    <message id="error_unknown">
        <extracomment>The sentence for a failure of this kind</extracomment>
        <source>Something went wrong.</source>
        <translation>Something went wrong.</translation>
    </message>
    <message id="error_not_secure">
        <extracomment>The sentence for a failure of this kind</extracomment>
        <source>The connection is not secure.</source>
        <translation>The connection is not secure.</translation>
    </message>
    <message id="error_no_network">
        <extracomment>The sentence for a failure of this kind</extracomment>
        <source>The network cannot be reached.</source>
        <translation>The network cannot be reached.</translation>
    </message>
    <message id="error_server_refused">
        <extracomment>The sentence for a failure of this kind</extracomment>
        <source>The server refused the connection.</source>
        <translation>The server refused the connection.</translation>
    </message>
    <message id="error_connection_lost">
        <extracomment>The sentence for a failure of this kind</extracomment>
        <source>The connection was interrupted.</source>
        <translation>The connection was interrupted.</translation>
    </message>
    <message id="error_timed_out">
        <extracomment>The sentence for a failure of this kind</extracomment>
        <source>The server took too long to answer.</source>
        <translation>The server took too long to answer.</translation>
    </message>
    <message id="error_too_large">
        <extracomment>The sentence for a failure of this kind</extracomment>
        <source>The data is too large.</source>
        <translation>The data is too large.</translation>
    </message>
    <message id="error_unreadable_answer">
        <extracomment>The sentence for a failure of this kind</extracomment>
        <source>The App Store sent an answer that could not be read.</source>
        <translation>The App Store sent an answer that could not be read.</translation>
    </message>
    <message id="error_disk_full">
        <extracomment>The sentence for a failure of this kind</extracomment>
        <source>There is not enough storage space.</source>
        <translation>There is not enough storage space.</translation>
    </message>
    <message id="error_rate_limited">
        <extracomment>The sentence for a failure of this kind</extracomment>
        <source>The App Store is limiting requests; try again in a minute.</source>
        <translation>The App Store is limiting requests; try again in a minute.</translation>
    </message>
    <message id="error_region_not_served">
        <extracomment>The sentence for a failure of this kind</extracomment>
        <source>The App Store has no store for this region.</source>
        <translation>The App Store has no store for this region.</translation>
    </message>
    <message id="error_request_rejected">
        <extracomment>The sentence for a failure of this kind</extracomment>
        <source>The App Store did not accept this request.</source>
        <translation>The App Store did not accept this request.</translation>
    </message>
    <message id="error_not_a_folder">
        <extracomment>The sentence for a failure of this kind</extracomment>
        <source>The folder for the pictures cannot be used: a file or a broken link is in its place.</source>
        <translation>The folder for the pictures cannot be used: a file or a broken link is in its place.</translation>
    </message>
    <message id="detail_load_failed">
        <source>Could not load the details.</source>
        <translation>Could not load the details.</translation>
    </message>
    <message id="section_header_information">
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message id="section_header_version_history">
        <source>Version History</source>
        <translation>Version History</translation>
    </message>
    <message id="section_header_description">
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message id="section_header_screenshots">
        <source>Screenshots</source>
        <translation>Screenshots</translation>
    </message>
    <message id="more_from_developer">
        <source>More from %1</source>
        <translation>More from %1</translation>
    </message>
    <message id="save_icon">
        <source>Save Icon</source>
        <translation>Save Icon</translation>
    </message>
    <message id="label_track_id">
        <source>App ID</source>
        <translation>App ID</translation>
    </message>
    <message id="label_bundle_id">
        <source>Bundle ID</source>
        <translation>Bundle ID</translation>
    </message>
    <message id="label_version">
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message id="label_min_os">
        <source>Minimum OS Version</source>
        <translation>Minimum OS Version</translation>
    </message>
    <message id="label_release_notes">
        <source>Release Notes</source>
        <translation>Release Notes</translation>
    </message>
    <message id="label_appstore_link">
        <source>App Store Link</source>
        <translation>App Store Link</translation>
    </message>
    <message id="fact">
        <extracomment>A fact read by a screen reader: its label, then its value</extracomment>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message id="navigation_title_screenshot">
        <source>Screenshot</source>
        <translation>Screenshot</translation>
    </message>
    <message id="navigation_title_screenshot_position">
        <extracomment>%1: the screenshot shown, from 1; %2: how many the app has</extracomment>
        <source>Screenshot %1 of %2</source>
        <translation>Screenshot %1 of %2</translation>
    </message>
    <message id="previous_screenshot">
        <source>Previous Screenshot</source>
        <translation>Previous Screenshot</translation>
    </message>
    <message id="next_screenshot">
        <source>Next Screenshot</source>
        <translation>Next Screenshot</translation>
    </message>
    <message id="zoom_level">
        <extracomment>How far a screenshot is zoomed in. %1: the percentage, a whole number</extracomment>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message id="screenshot_url_invalid">
        <source>The screenshot address is invalid.</source>
        <translation>The screenshot address is invalid.</translation>
    </message>
    <message id="download_fail_message_screenshot">
        <source>The screenshot could not be downloaded.</source>
        <translation>The screenshot could not be downloaded.</translation>
    </message>
    <message id="save_success_message_screenshot">
        <source>The screenshot was saved to your photo library.</source>
        <translation>The screenshot was saved to your photo library.</translation>
    </message>
    <message id="navigation_title_download_history">
        <source>Download History</source>
        <translation>Download History</translation>
    </message>
    <message id="history_search_placeholder">
        <source>Search downloaded apps</source>
        <translation>Search downloaded apps</translation>
    </message>
    <message id="no_download_history">
        <source>No downloads yet</source>
        <translation>No downloads yet</translation>
    </message>
    <message id="no_history_matches">
        <extracomment>%1: the filter text</extracomment>
        <source>No saved icon matches “%1”</source>
        <translation>No saved icon matches “%1”</translation>
    </message>
    <message id="clear">
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message id="clear_text">
        <extracomment>The search field's clear button, for screen readers</extracomment>
        <source>Clear Text</source>
        <translation>Clear Text</translation>
    </message>
    <message id="clear_search_history">
        <extracomment>For screen readers</extracomment>
        <source>Clear Search History</source>
        <translation>Clear Search History</translation>
    </message>
    <message id="clear_download_history">
        <extracomment>For screen readers</extracomment>
        <source>Clear Download History</source>
        <translation>Clear Download History</translation>
    </message>
    <message id="clear_history_alert_title">
        <source>Clear Download History?</source>
        <translation>Clear Download History?</translation>
    </message>
    <message id="clear_history_alert_message">
        <source>All entries of the download history will be deleted. This cannot be undone.</source>
        <translation>All entries of the download history will be deleted. This cannot be undone.</translation>
    </message>
    <message id="clear_all_button">
        <source>Clear All</source>
        <translation>Clear All</translation>
    </message>
    <message id="cancel">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="navigation_title_select_region">
        <source>Select Region</source>
        <translation>Select Region</translation>
    </message>
    <message id="country_search_prompt">
        <source>Search countries or regions</source>
        <translation>Search countries or regions</translation>
    </message>
    <message id="no_region_matches">
        <extracomment>%1: the filter text</extracomment>
        <source>No region matches “%1”</source>
        <translation>No region matches “%1”</translation>
    </message>
    <message id="done">
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message id="settings">
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message id="platform">
        <source>Platform</source>
        <translation>Platform</translation>
    </message>
    <message id="section_header_save_options">
        <source>Save Options</source>
        <translation>Save Options</translation>
    </message>
    <message id="toggle_save_as_jpeg">
        <source>Save Original Artwork (JPEG)</source>
        <translation>Save Original Artwork (JPEG)</translation>
    </message>
    <message id="toggle_save_as_rounded">
        <source>Rounded Corners</source>
        <translation>Rounded Corners</translation>
    </message>
    <message id="toggle_save_as_slightly_rounded">
        <source>Slightly Rounded Corners</source>
        <translation>Slightly Rounded Corners</translation>
    </message>
    <message id="file_name_rounded">
        <source>rounded</source>
        <translation>rounded</translation>
    </message>
    <message id="file_name_slightly_rounded">
        <source>slightly rounded</source>
        <translation>slightly rounded</translation>
    </message>
    <message id="file_name_original">
        <source>original</source>
        <translation>original</translation>
    </message>
    <message id="file_name_screenshot">
        <source>screenshot</source>
        <translation>screenshot</translation>
    </message>
    <message id="picker_label_resolution">
        <source>Resolution</source>
        <translation>Resolution</translation>
    </message>
    <message id="section_header_language">
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message id="Language">
        <source>App Language</source>
        <translation>App Language</translation>
    </message>
    <message id="about">
        <source>About</source>
        <translation>About</translation>
    </message>
    <message id="notice_saved">
        <extracomment>A notice after a save; %1 is the file's name</extracomment>
        <source>Saved %1</source>
        <translation>Saved %1</translation>
    </message>
    <message id="notice_icon_copied">
        <source>Icon copied</source>
        <translation>Icon copied</translation>
    </message>
    <message id="notice_picture_copied">
        <source>Picture copied</source>
        <translation>Picture copied</translation>
    </message>
    <message id="error_no_file_manager">
        <extracomment>The sentence for a failure of this kind</extracomment>
        <source>No file manager can show the file. Settings shows the folder the pictures are saved to.</source>
        <translation>No file manager can show the file. Settings shows the folder the pictures are saved to.</translation>
    </message>
    <message id="close_notice">
        <extracomment>Closes a notice, for screen readers</extracomment>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message id="primary_menu">
        <source>Main Menu</source>
        <translation>Main Menu</translation>
    </message>
    <message id="preferences">
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message id="keyboard_shortcuts">
        <source>Keyboard Shortcuts</source>
        <translation>Keyboard Shortcuts</translation>
    </message>
    <message id="about_vellumar">
        <source>About Vellumar</source>
        <translation>About Vellumar</translation>
    </message>
    <message id="about_version">
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message id="about_summary">
        <source>Collects app icons from the App Store.</source>
        <translation>Collects app icons from the App Store.</translation>
    </message>
    <message id="about_licence">
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Free software under the GNU General Public License, version 3 or later.</translation>
    </message>
    <message id="about_website">
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message id="shortcuts_general">
        <source>General</source>
        <translation>General</translation>
    </message>
    <message id="shortcut_find">
        <source>Go to the search field</source>
        <translation>Go to the search field</translation>
    </message>
    <message id="shortcut_show_search">
        <source>Show Search</source>
        <translation>Show Search</translation>
    </message>
    <message id="shortcut_show_history">
        <source>Show History</source>
        <translation>Show History</translation>
    </message>
    <message id="shortcut_main_menu">
        <source>Open the main menu</source>
        <translation>Open the main menu</translation>
    </message>
    <message id="shortcut_quit">
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message id="shortcuts_lists">
        <source>Lists</source>
        <translation>Lists</translation>
    </message>
    <message id="shortcut_move">
        <source>Move through the rows</source>
        <translation>Move through the rows</translation>
    </message>
    <message id="shortcut_open">
        <source>Open the app</source>
        <translation>Open the app</translation>
    </message>
    <message id="shortcut_row_menu">
        <source>Open the row's menu</source>
        <translation>Open the row's menu</translation>
    </message>
    <message id="shortcut_delete">
        <source>Delete the entry (History)</source>
        <translation>Delete the entry (History)</translation>
    </message>
    <message id="shortcut_back">
        <source>Go back or close</source>
        <translation>Go back or close</translation>
    </message>
    <message id="notice_removed_one">
        <extracomment>A notice after a deletion; %1 is the app's name</extracomment>
        <source>Removed “%1” from the history</source>
        <translation>Removed “%1” from the history</translation>
    </message>
    <message id="undo">
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message id="notice_removed_n" numerus="yes">
        <extracomment>A notice after a deletion. %n: how many</extracomment>
        <source>Removed %n entries from the history</source>
        <translation>
            <numerusform>Removed %n entry from the history</numerusform>
            <numerusform>Removed %n entries from the history</numerusform>
        </translation>
    </message>
    <message id="delete_n" numerus="yes">
        <extracomment>The button that deletes the chosen rows. %n: how many</extracomment>
        <source>Delete %n</source>
        <translation>
            <numerusform>Delete %n</numerusform>
            <numerusform>Delete %n</numerusform>
        </translation>
    </message>
    <message id="save_size_description">
        <extracomment>What a save makes; %1 is the side in pixels</extracomment>
        <source>Save %1 px</source>
        <translation>Save %1 px</translation>
    </message>
    <message id="save_shaped_description">
        <extracomment>What a save makes; %1 is the side in pixels, %2 the shape</extracomment>
        <source>Save %1 px, %2</source>
        <translation>Save %1 px, %2</translation>
    </message>
    <message id="save_original_description">
        <source>Save the original artwork (JPEG)</source>
        <translation>Save the original artwork (JPEG)</translation>
    </message>
    <message id="other_save_options">
        <extracomment>The menu that saves once differently</extracomment>
        <source>Other Sizes and Shapes</source>
        <translation>Other Sizes and Shapes</translation>
    </message>
    <message id="shortcut_choose">
        <source>Choose the row, while choosing</source>
        <translation>Choose the row, while choosing</translation>
    </message>
    <message id="shortcut_choose_all">
        <source>Choose every row</source>
        <translation>Choose every row</translation>
    </message>
    <message id="shortcut_go_back">
        <source>Go back</source>
        <translation>Go back</translation>
    </message>
    <message id="shortcuts_viewer">
        <source>Screenshot Viewer</source>
        <translation>Screenshot Viewer</translation>
    </message>
    <message id="shortcut_next_previous">
        <source>Next or previous screenshot</source>
        <translation>Next or previous screenshot</translation>
    </message>
    <message id="shortcut_zoom">
        <source>Zoom in or out</source>
        <translation>Zoom in or out</translation>
    </message>
    <message id="shortcut_fit">
        <source>Fit to the window</source>
        <translation>Fit to the window</translation>
    </message>
    <message id="language_offer">
        <extracomment>The same in both tables: it is read before a language is chosen</extracomment>
        <source>Use English? · 使用英文？</source>
        <translation>Use English? · 使用英文？</translation>
    </message>
    <message id="language_offer_accept">
        <extracomment>The same in both tables: it is read before a language is chosen</extracomment>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message id="language_offer_decline">
        <extracomment>The same in both tables: it is read before a language is chosen</extracomment>
        <source>继续使用中文 · Keep Chinese</source>
        <translation>继续使用中文 · Keep Chinese</translation>
    </message>
    <message id="batch_stopped_summary">
        <extracomment>%1: how many icons were saved before a failure that every further save would meet (a full disk); %2: how many there were</extracomment>
        <source>Stopped: %1 of %2 icons were saved, and no more can be saved there.</source>
        <translation>Stopped: %1 of %2 icons were saved, and no more can be saved there.</translation>
    </message>
    <message id="save_all">
        <extracomment>The button that saves the icons of every app of a list</extracomment>
        <source>Save All</source>
        <translation>Save All</translation>
    </message>
    <message id="check_for_new_icons">
        <extracomment>History's header button and the main menu item</extracomment>
        <source>Check for New Icons</source>
        <translation>Check for New Icons</translation>
    </message>
    <message id="new_icons_title">
        <extracomment>Title of the sheet listing apps whose icon changed</extracomment>
        <source>New Icons</source>
        <translation>New Icons</translation>
    </message>
    <message id="new_icons_checking">
        <extracomment>Shown while the history is being checked</extracomment>
        <source>Checking…</source>
        <translation>Checking…</translation>
    </message>
    <message id="new_icons_none">
        <extracomment>The check found no changed icon</extracomment>
        <source>Every icon in your history is current.</source>
        <translation>Every icon in your history is current.</translation>
    </message>
    <message id="new_icons_gone">
        <extracomment>%1: the names of apps the store no longer has, separated by commas</extracomment>
        <source>No longer in the App Store: %1</source>
        <translation>No longer in the App Store: %1</translation>
    </message>
    <message id="new_icons_check_again">
        <extracomment>Button that runs the check again</extracomment>
        <source>Check Again</source>
        <translation>Check Again</translation>
    </message>
    <message id="save_new_icons" numerus="yes">
        <extracomment>Button that saves every new icon. %n: how many</extracomment>
        <source>Save %n New Icons</source>
        <translation>
            <numerusform>Save %n New Icon</numerusform>
            <numerusform>Save %n New Icons</numerusform>
        </translation>
    </message>
    <message id="new_icon_row">
        <extracomment>Screen reader name of a changed app's row. %1: app name, %2: region code</extracomment>
        <source>%1, %2: saved icon, then the new one</source>
        <translation>%1, %2: saved icon, then the new one</translation>
    </message>
    <message id="new_icons_check_failed" numerus="yes">
        <extracomment>%n: apps not checked, %1: the reason</extracomment>
        <source>%n apps could not be checked: %1</source>
        <translation>
            <numerusform>%n app could not be checked: %1</numerusform>
            <numerusform>%n apps could not be checked: %1</numerusform>
        </translation>
    </message>
    <message id="new_icons_app_gone_line">
        <extracomment>Command line note. %1: app name</extracomment>
        <source>%1 is no longer in the App Store.</source>
        <translation>%1 is no longer in the App Store.</translation>
    </message>
    <message id="new_icons_found" numerus="yes">
        <extracomment>Notice after the daily check. %n: how many apps</extracomment>
        <source>New icons for %n apps</source>
        <translation>
            <numerusform>A new icon for %n app</numerusform>
            <numerusform>New icons for %n apps</numerusform>
        </translation>
    </message>
    <message id="new_icons_show">
        <extracomment>The notice's action that shows the new icons</extracomment>
        <source>Show</source>
        <translation>Show</translation>
    </message>
    <message id="section_header_history">
        <extracomment>Settings section about the download history</extracomment>
        <source>Download History</source>
        <translation>Download History</translation>
    </message>
    <message id="toggle_check_new_icons_daily">
        <extracomment>Settings switch</extracomment>
        <source>Check for new icons once a day</source>
        <translation>Check for new icons once a day</translation>
    </message>
    <message id="compare_regions">
        <extracomment>The detail screen's button and the screen that shows an app's icons across store regions</extracomment>
        <source>Compare Regions</source>
        <translation>Compare Regions</translation>
    </message>
    <message id="regions_progress">
        <extracomment>While the app is looked up in each region. %1: how many regions have answered; %2: how many there are</extracomment>
        <source>%1 of %2 regions looked up</source>
        <translation>%1 of %2 regions looked up</translation>
    </message>
    <message id="regions_icon_count" numerus="yes">
        <extracomment>Above the icons an app shows across regions. %n: how many different icons</extracomment>
        <source>%n Icons</source>
        <translation>
            <numerusform>%n Icon</numerusform>
            <numerusform>%n Icons</numerusform>
        </translation>
    </message>
    <message id="save_regions_icon">
        <extracomment>An icon's save button, for screen readers. %1: the regions that show the icon</extracomment>
        <source>Save the icon of %1</source>
        <translation>Save the icon of %1</translation>
    </message>
    <message id="regions_not_sold_heading">
        <extracomment>Above the regions whose store does not sell the app</extracomment>
        <source>Not Sold In</source>
        <translation>Not Sold In</translation>
    </message>
    <message id="regions_not_sold_in">
        <extracomment>The command line's last line. %1: the codes of the regions whose store does not sell the app</extracomment>
        <source>Not sold in: %1</source>
        <translation>Not sold in: %1</translation>
    </message>
    <message id="regions_failed_heading">
        <extracomment>Above the regions whose lookup failed</extracomment>
        <source>Could Not Be Looked Up</source>
        <translation>Could Not Be Looked Up</translation>
    </message>
    <message id="region_lookup_failure">
        <extracomment>One region whose lookup failed. %1: the region; %2: why</extracomment>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message id="regions_none_chosen">
        <extracomment>Shown when no region is chosen to compare</extracomment>
        <source>Choose the regions to compare.</source>
        <translation>Choose the regions to compare.</translation>
    </message>
    <message id="compare_again">
        <extracomment>Looks the app up again in the chosen regions</extracomment>
        <source>Compare Again</source>
        <translation>Compare Again</translation>
    </message>
    <message id="edit_regions">
        <extracomment>The button that opens the list of regions to compare</extracomment>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message id="choose_regions">
        <extracomment>The list of regions to compare, and its button for screen readers</extracomment>
        <source>Regions to Compare</source>
        <translation>Regions to Compare</translation>
    </message>
    <message id="country_name_af">
        <source>Afghanistan</source>
        <translation>Afghanistan</translation>
    </message>
    <message id="country_name_ax">
        <source>Åland Islands</source>
        <translation>Åland Islands</translation>
    </message>
    <message id="country_name_al">
        <source>Albania</source>
        <translation>Albania</translation>
    </message>
    <message id="country_name_dz">
        <source>Algeria</source>
        <translation>Algeria</translation>
    </message>
    <message id="country_name_as">
        <source>American Samoa</source>
        <translation>American Samoa</translation>
    </message>
    <message id="country_name_ad">
        <source>Andorra</source>
        <translation>Andorra</translation>
    </message>
    <message id="country_name_ao">
        <source>Angola</source>
        <translation>Angola</translation>
    </message>
    <message id="country_name_ai">
        <source>Anguilla</source>
        <translation>Anguilla</translation>
    </message>
    <message id="country_name_aq">
        <source>Antarctica</source>
        <translation>Antarctica</translation>
    </message>
    <message id="country_name_ag">
        <source>Antigua and Barbuda</source>
        <translation>Antigua and Barbuda</translation>
    </message>
    <message id="country_name_ar">
        <source>Argentina</source>
        <translation>Argentina</translation>
    </message>
    <message id="country_name_am">
        <source>Armenia</source>
        <translation>Armenia</translation>
    </message>
    <message id="country_name_aw">
        <source>Aruba</source>
        <translation>Aruba</translation>
    </message>
    <message id="country_name_au">
        <source>Australia</source>
        <translation>Australia</translation>
    </message>
    <message id="country_name_at">
        <source>Austria</source>
        <translation>Austria</translation>
    </message>
    <message id="country_name_az">
        <source>Azerbaijan</source>
        <translation>Azerbaijan</translation>
    </message>
    <message id="country_name_bs">
        <source>Bahamas</source>
        <translation>Bahamas</translation>
    </message>
    <message id="country_name_bh">
        <source>Bahrain</source>
        <translation>Bahrain</translation>
    </message>
    <message id="country_name_bd">
        <source>Bangladesh</source>
        <translation>Bangladesh</translation>
    </message>
    <message id="country_name_bb">
        <source>Barbados</source>
        <translation>Barbados</translation>
    </message>
    <message id="country_name_by">
        <source>Belarus</source>
        <translation>Belarus</translation>
    </message>
    <message id="country_name_be">
        <source>Belgium</source>
        <translation>Belgium</translation>
    </message>
    <message id="country_name_bz">
        <source>Belize</source>
        <translation>Belize</translation>
    </message>
    <message id="country_name_bj">
        <source>Benin</source>
        <translation>Benin</translation>
    </message>
    <message id="country_name_bm">
        <source>Bermuda</source>
        <translation>Bermuda</translation>
    </message>
    <message id="country_name_bt">
        <source>Bhutan</source>
        <translation>Bhutan</translation>
    </message>
    <message id="country_name_bo">
        <source>Bolivia</source>
        <translation>Bolivia</translation>
    </message>
    <message id="country_name_ba">
        <source>Bosnia and Herzegovina</source>
        <translation>Bosnia and Herzegovina</translation>
    </message>
    <message id="country_name_bw">
        <source>Botswana</source>
        <translation>Botswana</translation>
    </message>
    <message id="country_name_br">
        <source>Brazil</source>
        <translation>Brazil</translation>
    </message>
    <message id="country_name_io">
        <source>British Indian Ocean Territory</source>
        <translation>British Indian Ocean Territory</translation>
    </message>
    <message id="country_name_bn">
        <source>Brunei</source>
        <translation>Brunei</translation>
    </message>
    <message id="country_name_bg">
        <source>Bulgaria</source>
        <translation>Bulgaria</translation>
    </message>
    <message id="country_name_bf">
        <source>Burkina Faso</source>
        <translation>Burkina Faso</translation>
    </message>
    <message id="country_name_bi">
        <source>Burundi</source>
        <translation>Burundi</translation>
    </message>
    <message id="country_name_kh">
        <source>Cambodia</source>
        <translation>Cambodia</translation>
    </message>
    <message id="country_name_cm">
        <source>Cameroon</source>
        <translation>Cameroon</translation>
    </message>
    <message id="country_name_ca">
        <source>Canada</source>
        <translation>Canada</translation>
    </message>
    <message id="country_name_cv">
        <source>Cape Verde</source>
        <translation>Cape Verde</translation>
    </message>
    <message id="country_name_ky">
        <source>Cayman Islands</source>
        <translation>Cayman Islands</translation>
    </message>
    <message id="country_name_cf">
        <source>Central African Republic</source>
        <translation>Central African Republic</translation>
    </message>
    <message id="country_name_td">
        <source>Chad</source>
        <translation>Chad</translation>
    </message>
    <message id="country_name_cl">
        <source>Chile</source>
        <translation>Chile</translation>
    </message>
    <message id="country_name_cn">
        <source>China</source>
        <translation>China</translation>
    </message>
    <message id="country_name_cx">
        <source>Christmas Island</source>
        <translation>Christmas Island</translation>
    </message>
    <message id="country_name_cc">
        <source>Cocos (Keeling) Islands</source>
        <translation>Cocos (Keeling) Islands</translation>
    </message>
    <message id="country_name_co">
        <source>Colombia</source>
        <translation>Colombia</translation>
    </message>
    <message id="country_name_km">
        <source>Comoros</source>
        <translation>Comoros</translation>
    </message>
    <message id="country_name_cg">
        <source>Congo</source>
        <translation>Congo</translation>
    </message>
    <message id="country_name_cd">
        <source>Congo (DRC)</source>
        <translation>Congo (DRC)</translation>
    </message>
    <message id="country_name_ck">
        <source>Cook Islands</source>
        <translation>Cook Islands</translation>
    </message>
    <message id="country_name_cr">
        <source>Costa Rica</source>
        <translation>Costa Rica</translation>
    </message>
    <message id="country_name_ci">
        <source>Côte d'Ivoire</source>
        <translation>Côte d'Ivoire</translation>
    </message>
    <message id="country_name_hr">
        <source>Croatia</source>
        <translation>Croatia</translation>
    </message>
    <message id="country_name_cu">
        <source>Cuba</source>
        <translation>Cuba</translation>
    </message>
    <message id="country_name_cw">
        <source>Curaçao</source>
        <translation>Curaçao</translation>
    </message>
    <message id="country_name_cy">
        <source>Cyprus</source>
        <translation>Cyprus</translation>
    </message>
    <message id="country_name_cz">
        <source>Czechia</source>
        <translation>Czechia</translation>
    </message>
    <message id="country_name_dk">
        <source>Denmark</source>
        <translation>Denmark</translation>
    </message>
    <message id="country_name_dj">
        <source>Djibouti</source>
        <translation>Djibouti</translation>
    </message>
    <message id="country_name_dm">
        <source>Dominica</source>
        <translation>Dominica</translation>
    </message>
    <message id="country_name_do">
        <source>Dominican Republic</source>
        <translation>Dominican Republic</translation>
    </message>
    <message id="country_name_ec">
        <source>Ecuador</source>
        <translation>Ecuador</translation>
    </message>
    <message id="country_name_eg">
        <source>Egypt</source>
        <translation>Egypt</translation>
    </message>
    <message id="country_name_sv">
        <source>El Salvador</source>
        <translation>El Salvador</translation>
    </message>
    <message id="country_name_gq">
        <source>Equatorial Guinea</source>
        <translation>Equatorial Guinea</translation>
    </message>
    <message id="country_name_er">
        <source>Eritrea</source>
        <translation>Eritrea</translation>
    </message>
    <message id="country_name_ee">
        <source>Estonia</source>
        <translation>Estonia</translation>
    </message>
    <message id="country_name_et">
        <source>Ethiopia</source>
        <translation>Ethiopia</translation>
    </message>
    <message id="country_name_fk">
        <source>Falkland Islands</source>
        <translation>Falkland Islands</translation>
    </message>
    <message id="country_name_fo">
        <source>Faroe Islands</source>
        <translation>Faroe Islands</translation>
    </message>
    <message id="country_name_fj">
        <source>Fiji</source>
        <translation>Fiji</translation>
    </message>
    <message id="country_name_fi">
        <source>Finland</source>
        <translation>Finland</translation>
    </message>
    <message id="country_name_fr">
        <source>France</source>
        <translation>France</translation>
    </message>
    <message id="country_name_gf">
        <source>French Guiana</source>
        <translation>French Guiana</translation>
    </message>
    <message id="country_name_pf">
        <source>French Polynesia</source>
        <translation>French Polynesia</translation>
    </message>
    <message id="country_name_ga">
        <source>Gabon</source>
        <translation>Gabon</translation>
    </message>
    <message id="country_name_gm">
        <source>Gambia</source>
        <translation>Gambia</translation>
    </message>
    <message id="country_name_ge">
        <source>Georgia</source>
        <translation>Georgia</translation>
    </message>
    <message id="country_name_de">
        <source>Germany</source>
        <translation>Germany</translation>
    </message>
    <message id="country_name_gh">
        <source>Ghana</source>
        <translation>Ghana</translation>
    </message>
    <message id="country_name_gi">
        <source>Gibraltar</source>
        <translation>Gibraltar</translation>
    </message>
    <message id="country_name_gr">
        <source>Greece</source>
        <translation>Greece</translation>
    </message>
    <message id="country_name_gl">
        <source>Greenland</source>
        <translation>Greenland</translation>
    </message>
    <message id="country_name_gd">
        <source>Grenada</source>
        <translation>Grenada</translation>
    </message>
    <message id="country_name_gp">
        <source>Guadeloupe</source>
        <translation>Guadeloupe</translation>
    </message>
    <message id="country_name_gu">
        <source>Guam</source>
        <translation>Guam</translation>
    </message>
    <message id="country_name_gt">
        <source>Guatemala</source>
        <translation>Guatemala</translation>
    </message>
    <message id="country_name_gg">
        <source>Guernsey</source>
        <translation>Guernsey</translation>
    </message>
    <message id="country_name_gn">
        <source>Guinea</source>
        <translation>Guinea</translation>
    </message>
    <message id="country_name_gw">
        <source>Guinea-Bissau</source>
        <translation>Guinea-Bissau</translation>
    </message>
    <message id="country_name_gy">
        <source>Guyana</source>
        <translation>Guyana</translation>
    </message>
    <message id="country_name_ht">
        <source>Haiti</source>
        <translation>Haiti</translation>
    </message>
    <message id="country_name_hn">
        <source>Honduras</source>
        <translation>Honduras</translation>
    </message>
    <message id="country_name_hk">
        <source>Hong Kong</source>
        <translation>Hong Kong</translation>
    </message>
    <message id="country_name_hu">
        <source>Hungary</source>
        <translation>Hungary</translation>
    </message>
    <message id="country_name_is">
        <source>Iceland</source>
        <translation>Iceland</translation>
    </message>
    <message id="country_name_in">
        <source>India</source>
        <translation>India</translation>
    </message>
    <message id="country_name_id">
        <source>Indonesia</source>
        <translation>Indonesia</translation>
    </message>
    <message id="country_name_ir">
        <source>Iran</source>
        <translation>Iran</translation>
    </message>
    <message id="country_name_iq">
        <source>Iraq</source>
        <translation>Iraq</translation>
    </message>
    <message id="country_name_ie">
        <source>Ireland</source>
        <translation>Ireland</translation>
    </message>
    <message id="country_name_im">
        <source>Isle of Man</source>
        <translation>Isle of Man</translation>
    </message>
    <message id="country_name_il">
        <source>Israel</source>
        <translation>Israel</translation>
    </message>
    <message id="country_name_it">
        <source>Italy</source>
        <translation>Italy</translation>
    </message>
    <message id="country_name_jm">
        <source>Jamaica</source>
        <translation>Jamaica</translation>
    </message>
    <message id="country_name_jp">
        <source>Japan</source>
        <translation>Japan</translation>
    </message>
    <message id="country_name_je">
        <source>Jersey</source>
        <translation>Jersey</translation>
    </message>
    <message id="country_name_jo">
        <source>Jordan</source>
        <translation>Jordan</translation>
    </message>
    <message id="country_name_kz">
        <source>Kazakhstan</source>
        <translation>Kazakhstan</translation>
    </message>
    <message id="country_name_ke">
        <source>Kenya</source>
        <translation>Kenya</translation>
    </message>
    <message id="country_name_ki">
        <source>Kiribati</source>
        <translation>Kiribati</translation>
    </message>
    <message id="country_name_kp">
        <source>North Korea</source>
        <translation>North Korea</translation>
    </message>
    <message id="country_name_kr">
        <source>South Korea</source>
        <translation>South Korea</translation>
    </message>
    <message id="country_name_kw">
        <source>Kuwait</source>
        <translation>Kuwait</translation>
    </message>
    <message id="country_name_kg">
        <source>Kyrgyzstan</source>
        <translation>Kyrgyzstan</translation>
    </message>
    <message id="country_name_la">
        <source>Laos</source>
        <translation>Laos</translation>
    </message>
    <message id="country_name_lv">
        <source>Latvia</source>
        <translation>Latvia</translation>
    </message>
    <message id="country_name_lb">
        <source>Lebanon</source>
        <translation>Lebanon</translation>
    </message>
    <message id="country_name_ls">
        <source>Lesotho</source>
        <translation>Lesotho</translation>
    </message>
    <message id="country_name_lr">
        <source>Liberia</source>
        <translation>Liberia</translation>
    </message>
    <message id="country_name_ly">
        <source>Libya</source>
        <translation>Libya</translation>
    </message>
    <message id="country_name_li">
        <source>Liechtenstein</source>
        <translation>Liechtenstein</translation>
    </message>
    <message id="country_name_lt">
        <source>Lithuania</source>
        <translation>Lithuania</translation>
    </message>
    <message id="country_name_lu">
        <source>Luxembourg</source>
        <translation>Luxembourg</translation>
    </message>
    <message id="country_name_mo">
        <source>Macao</source>
        <translation>Macao</translation>
    </message>
    <message id="country_name_mk">
        <source>North Macedonia</source>
        <translation>North Macedonia</translation>
    </message>
    <message id="country_name_mg">
        <source>Madagascar</source>
        <translation>Madagascar</translation>
    </message>
    <message id="country_name_mw">
        <source>Malawi</source>
        <translation>Malawi</translation>
    </message>
    <message id="country_name_my">
        <source>Malaysia</source>
        <translation>Malaysia</translation>
    </message>
    <message id="country_name_mv">
        <source>Maldives</source>
        <translation>Maldives</translation>
    </message>
    <message id="country_name_ml">
        <source>Mali</source>
        <translation>Mali</translation>
    </message>
    <message id="country_name_mt">
        <source>Malta</source>
        <translation>Malta</translation>
    </message>
    <message id="country_name_mh">
        <source>Marshall Islands</source>
        <translation>Marshall Islands</translation>
    </message>
    <message id="country_name_mq">
        <source>Martinique</source>
        <translation>Martinique</translation>
    </message>
    <message id="country_name_mr">
        <source>Mauritania</source>
        <translation>Mauritania</translation>
    </message>
    <message id="country_name_mu">
        <source>Mauritius</source>
        <translation>Mauritius</translation>
    </message>
    <message id="country_name_yt">
        <source>Mayotte</source>
        <translation>Mayotte</translation>
    </message>
    <message id="country_name_mx">
        <source>Mexico</source>
        <translation>Mexico</translation>
    </message>
    <message id="country_name_fm">
        <source>Micronesia</source>
        <translation>Micronesia</translation>
    </message>
    <message id="country_name_md">
        <source>Moldova</source>
        <translation>Moldova</translation>
    </message>
    <message id="country_name_mc">
        <source>Monaco</source>
        <translation>Monaco</translation>
    </message>
    <message id="country_name_mn">
        <source>Mongolia</source>
        <translation>Mongolia</translation>
    </message>
    <message id="country_name_me">
        <source>Montenegro</source>
        <translation>Montenegro</translation>
    </message>
    <message id="country_name_ms">
        <source>Montserrat</source>
        <translation>Montserrat</translation>
    </message>
    <message id="country_name_ma">
        <source>Morocco</source>
        <translation>Morocco</translation>
    </message>
    <message id="country_name_mz">
        <source>Mozambique</source>
        <translation>Mozambique</translation>
    </message>
    <message id="country_name_mm">
        <source>Myanmar</source>
        <translation>Myanmar</translation>
    </message>
    <message id="country_name_na">
        <source>Namibia</source>
        <translation>Namibia</translation>
    </message>
    <message id="country_name_nr">
        <source>Nauru</source>
        <translation>Nauru</translation>
    </message>
    <message id="country_name_np">
        <source>Nepal</source>
        <translation>Nepal</translation>
    </message>
    <message id="country_name_nl">
        <source>Netherlands</source>
        <translation>Netherlands</translation>
    </message>
    <message id="country_name_nc">
        <source>New Caledonia</source>
        <translation>New Caledonia</translation>
    </message>
    <message id="country_name_nz">
        <source>New Zealand</source>
        <translation>New Zealand</translation>
    </message>
    <message id="country_name_ni">
        <source>Nicaragua</source>
        <translation>Nicaragua</translation>
    </message>
    <message id="country_name_ne">
        <source>Niger</source>
        <translation>Niger</translation>
    </message>
    <message id="country_name_ng">
        <source>Nigeria</source>
        <translation>Nigeria</translation>
    </message>
    <message id="country_name_nu">
        <source>Niue</source>
        <translation>Niue</translation>
    </message>
    <message id="country_name_nf">
        <source>Norfolk Island</source>
        <translation>Norfolk Island</translation>
    </message>
    <message id="country_name_mp">
        <source>Northern Mariana Islands</source>
        <translation>Northern Mariana Islands</translation>
    </message>
    <message id="country_name_no">
        <source>Norway</source>
        <translation>Norway</translation>
    </message>
    <message id="country_name_om">
        <source>Oman</source>
        <translation>Oman</translation>
    </message>
    <message id="country_name_pk">
        <source>Pakistan</source>
        <translation>Pakistan</translation>
    </message>
    <message id="country_name_pw">
        <source>Palau</source>
        <translation>Palau</translation>
    </message>
    <message id="country_name_ps">
        <source>Palestine</source>
        <translation>Palestine</translation>
    </message>
    <message id="country_name_pa">
        <source>Panama</source>
        <translation>Panama</translation>
    </message>
    <message id="country_name_pg">
        <source>Papua New Guinea</source>
        <translation>Papua New Guinea</translation>
    </message>
    <message id="country_name_py">
        <source>Paraguay</source>
        <translation>Paraguay</translation>
    </message>
    <message id="country_name_pe">
        <source>Peru</source>
        <translation>Peru</translation>
    </message>
    <message id="country_name_ph">
        <source>Philippines</source>
        <translation>Philippines</translation>
    </message>
    <message id="country_name_pl">
        <source>Poland</source>
        <translation>Poland</translation>
    </message>
    <message id="country_name_pt">
        <source>Portugal</source>
        <translation>Portugal</translation>
    </message>
    <message id="country_name_pr">
        <source>Puerto Rico</source>
        <translation>Puerto Rico</translation>
    </message>
    <message id="country_name_qa">
        <source>Qatar</source>
        <translation>Qatar</translation>
    </message>
    <message id="country_name_re">
        <source>Réunion</source>
        <translation>Réunion</translation>
    </message>
    <message id="country_name_ro">
        <source>Romania</source>
        <translation>Romania</translation>
    </message>
    <message id="country_name_ru">
        <source>Russia</source>
        <translation>Russia</translation>
    </message>
    <message id="country_name_rw">
        <source>Rwanda</source>
        <translation>Rwanda</translation>
    </message>
    <message id="country_name_sh">
        <source>Saint Helena</source>
        <translation>Saint Helena</translation>
    </message>
    <message id="country_name_kn">
        <source>Saint Kitts and Nevis</source>
        <translation>Saint Kitts and Nevis</translation>
    </message>
    <message id="country_name_lc">
        <source>Saint Lucia</source>
        <translation>Saint Lucia</translation>
    </message>
    <message id="country_name_pm">
        <source>Saint Pierre and Miquelon</source>
        <translation>Saint Pierre and Miquelon</translation>
    </message>
    <message id="country_name_vc">
        <source>Saint Vincent and the Grenadines</source>
        <translation>Saint Vincent and the Grenadines</translation>
    </message>
    <message id="country_name_ws">
        <source>Samoa</source>
        <translation>Samoa</translation>
    </message>
    <message id="country_name_sm">
        <source>San Marino</source>
        <translation>San Marino</translation>
    </message>
    <message id="country_name_st">
        <source>Sao Tome and Principe</source>
        <translation>Sao Tome and Principe</translation>
    </message>
    <message id="country_name_sa">
        <source>Saudi Arabia</source>
        <translation>Saudi Arabia</translation>
    </message>
    <message id="country_name_sn">
        <source>Senegal</source>
        <translation>Senegal</translation>
    </message>
    <message id="country_name_rs">
        <source>Serbia</source>
        <translation>Serbia</translation>
    </message>
    <message id="country_name_sc">
        <source>Seychelles</source>
        <translation>Seychelles</translation>
    </message>
    <message id="country_name_sl">
        <source>Sierra Leone</source>
        <translation>Sierra Leone</translation>
    </message>
    <message id="country_name_sg">
        <source>Singapore</source>
        <translation>Singapore</translation>
    </message>
    <message id="country_name_sk">
        <source>Slovakia</source>
        <translation>Slovakia</translation>
    </message>
    <message id="country_name_si">
        <source>Slovenia</source>
        <translation>Slovenia</translation>
    </message>
    <message id="country_name_sb">
        <source>Solomon Islands</source>
        <translation>Solomon Islands</translation>
    </message>
    <message id="country_name_so">
        <source>Somalia</source>
        <translation>Somalia</translation>
    </message>
    <message id="country_name_za">
        <source>South Africa</source>
        <translation>South Africa</translation>
    </message>
    <message id="country_name_es">
        <source>Spain</source>
        <translation>Spain</translation>
    </message>
    <message id="country_name_lk">
        <source>Sri Lanka</source>
        <translation>Sri Lanka</translation>
    </message>
    <message id="country_name_sd">
        <source>Sudan</source>
        <translation>Sudan</translation>
    </message>
    <message id="country_name_sr">
        <source>Suriname</source>
        <translation>Suriname</translation>
    </message>
    <message id="country_name_sz">
        <source>Eswatini</source>
        <translation>Eswatini</translation>
    </message>
    <message id="country_name_se">
        <source>Sweden</source>
        <translation>Sweden</translation>
    </message>
    <message id="country_name_ch">
        <source>Switzerland</source>
        <translation>Switzerland</translation>
    </message>
    <message id="country_name_sy">
        <source>Syria</source>
        <translation>Syria</translation>
    </message>
    <message id="country_name_tw">
        <source>Taiwan</source>
        <translation>Taiwan</translation>
    </message>
    <message id="country_name_tj">
        <source>Tajikistan</source>
        <translation>Tajikistan</translation>
    </message>
    <message id="country_name_tz">
        <source>Tanzania</source>
        <translation>Tanzania</translation>
    </message>
    <message id="country_name_th">
        <source>Thailand</source>
        <translation>Thailand</translation>
    </message>
    <message id="country_name_tl">
        <source>Timor-Leste</source>
        <translation>Timor-Leste</translation>
    </message>
    <message id="country_name_tg">
        <source>Togo</source>
        <translation>Togo</translation>
    </message>
    <message id="country_name_tk">
        <source>Tokelau</source>
        <translation>Tokelau</translation>
    </message>
    <message id="country_name_to">
        <source>Tonga</source>
        <translation>Tonga</translation>
    </message>
    <message id="country_name_tt">
        <source>Trinidad and Tobago</source>
        <translation>Trinidad and Tobago</translation>
    </message>
    <message id="country_name_tn">
        <source>Tunisia</source>
        <translation>Tunisia</translation>
    </message>
    <message id="country_name_tr">
        <source>Turkey</source>
        <translation>Turkey</translation>
    </message>
    <message id="country_name_tm">
        <source>Turkmenistan</source>
        <translation>Turkmenistan</translation>
    </message>
    <message id="country_name_tc">
        <source>Turks and Caicos Islands</source>
        <translation>Turks and Caicos Islands</translation>
    </message>
    <message id="country_name_tv">
        <source>Tuvalu</source>
        <translation>Tuvalu</translation>
    </message>
    <message id="country_name_ug">
        <source>Uganda</source>
        <translation>Uganda</translation>
    </message>
    <message id="country_name_ua">
        <source>Ukraine</source>
        <translation>Ukraine</translation>
    </message>
    <message id="country_name_ae">
        <source>United Arab Emirates</source>
        <translation>United Arab Emirates</translation>
    </message>
    <message id="country_name_gb">
        <source>United Kingdom</source>
        <translation>United Kingdom</translation>
    </message>
    <message id="country_name_us">
        <source>United States</source>
        <translation>United States</translation>
    </message>
    <message id="country_name_uy">
        <source>Uruguay</source>
        <translation>Uruguay</translation>
    </message>
    <message id="country_name_uz">
        <source>Uzbekistan</source>
        <translation>Uzbekistan</translation>
    </message>
    <message id="country_name_vu">
        <source>Vanuatu</source>
        <translation>Vanuatu</translation>
    </message>
    <message id="country_name_va">
        <source>Vatican City</source>
        <translation>Vatican City</translation>
    </message>
    <message id="country_name_ve">
        <source>Venezuela</source>
        <translation>Venezuela</translation>
    </message>
    <message id="country_name_vn">
        <source>Vietnam</source>
        <translation>Vietnam</translation>
    </message>
    <message id="country_name_vg">
        <source>British Virgin Islands</source>
        <translation>British Virgin Islands</translation>
    </message>
    <message id="country_name_vi">
        <source>U.S. Virgin Islands</source>
        <translation>U.S. Virgin Islands</translation>
    </message>
    <message id="country_name_ye">
        <source>Yemen</source>
        <translation>Yemen</translation>
    </message>
    <message id="country_name_zm">
        <source>Zambia</source>
        <translation>Zambia</translation>
    </message>
    <message id="country_name_zw">
        <source>Zimbabwe</source>
        <translation>Zimbabwe</translation>
    </message>
</context>
</TS>
